#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <unistd.h>

// Host file names are bytes; the program holds them as QString. Names in UTF-8 decode as usual.
// A byte that is not part of valid UTF-8 becomes the lone surrogate U+DC80 to U+DCFF and encodes
// back to the same byte, so that a file whose name the locale cannot decode is still listed,
// opened and copied under its own name instead of a lossy replacement that names nothing.
namespace HostName {

namespace detail {

// The length of the valid UTF-8 sequence at data[0], 0 when there is none.
inline qsizetype validSequence(const unsigned char* data, qsizetype left)
{
    const unsigned char lead = data[0];
    qsizetype length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;  // no overlong forms
        high = lead == 0xED ? 0x9F : 0xBF; // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (left < length || data[1] < low || data[1] > high)
        return 0;
    for (qsizetype i = 2; i < length; ++i) {
        if (data[i] < 0x80 || data[i] > 0xBF)
            return 0;
    }
    return length;
}

inline bool isEscapedByte(const QString& text, qsizetype i)
{
    const char16_t unit = text[i].unicode();
    return unit >= 0xDC80 && unit <= 0xDCFF && (i == 0 || !text[i - 1].isHighSurrogate());
}

} // namespace detail

// Every decode of a host name passes here. Qt's UTF-8 decoders drop an initial U+FEFF (bytes
// EF BB BF) as a byte-order mark; in a file name it is a character, and dropping it names
// another file.
inline QString decode(QByteArrayView bytes)
{
    if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) < 0x80; }))
        return QString::fromLatin1(bytes); // most names, and the quickest way to decode them
    constexpr auto keepEveryCharacter =
        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom;
    QStringDecoder utf8(QStringDecoder::Utf8, keepEveryCharacter);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    text.clear();
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    qsizetype i = 0;
    while (i < bytes.size()) {
        const qsizetype length = detail::validSequence(data + i, bytes.size() - i);
        if (length == 0) {
            text.append(QChar(char16_t(0xDC00 + data[i])));
            ++i;
        } else {
            text.append(QStringDecoder(QStringDecoder::Utf8, keepEveryCharacter)
                            .decode(bytes.sliced(i, length)));
            i += length;
        }
    }
    return text;
}

inline QByteArray encode(const QString& text)
{
    QByteArray bytes;
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!detail::isEscapedByte(text, i))
            continue;
        bytes.append(QStringView(text).sliced(runStart, i - runStart).toUtf8());
        bytes.append(char(text[i].unicode() - 0xDC00));
        runStart = i + 1;
    }
    bytes.append(QStringView(text).sliced(runStart).toUtf8());
    return bytes;
}

// The path of an entry in a host folder: one slash between them, also after the root "/".
inline QString child(const QString& folder, const QString& name)
{
    return folder.endsWith(u'/') ? folder + name : folder + u'/' + name;
}

// The current directory as the kernel names it (links resolved); empty when it cannot be read.
inline QString currentFolder()
{
    const std::unique_ptr<char, void (*)(void*)> path(::getcwd(nullptr, 0), &std::free);
    return path ? decode(path.get()) : QString();
}

// The path with every link resolved, as the kernel names it; empty when nothing is there.
inline QString canonicalPath(const QString& hostPath)
{
    const std::unique_ptr<char, void (*)(void*)> path(
        ::realpath(encode(hostPath).constData(), nullptr), &std::free);
    return path ? decode(path.get()) : QString();
}

// The name as a person can read it on one line: each control character, a newline in a mount
// point's name say, written as a C escape ("\n", "\x1b").
inline QString printable(const QString& name)
{
    QString shown;
    for (const QChar c : name) {
        if (c == u'\n')
            shown += QStringLiteral("\\n");
        else if (c == u'\t')
            shown += QStringLiteral("\\t");
        else if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            shown += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    return shown;
}

} // namespace HostName
