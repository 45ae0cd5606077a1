#include "DirTree.h"

#include "Artwork.h"
#include "Collation.h"
#include "DialogLook.h"
#include "Drives.h"
#include "FileSystem.h"
#include "Guarded.h"
#include "Lookout.h"
#include "NameCase.h"
#include "Registry.h"
#include "WinPath.h"
#include "WinePrefix.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScopeGuard>
#include <algorithm>
#include <memory>
#include <vector>

namespace {

// The desktop's icon theme names each image; the project's own artwork stands in where the theme
// has none. The registry's icon references name Windows icon libraries, which do not exist here.
struct ImageSource
{
    const char* themeName;
    const char* fallback;
};
constexpr ImageSource imageSources[TDirectoryTree::ImageCount] = {
    {"user-desktop", ":/images/tree/desktop.png"},
    {"computer", ":/images/tree/computer.png"},
    {"user-trash", ":/images/tree/trash.png"},
    {"drive-removable-media", ":/images/tree/drive-removable.png"},
    {"drive-harddisk", ":/images/tree/drive-fixed.png"},
    {"drive-optical", ":/images/tree/drive-cdrom.png"},
    {"folder", ":/images/tree/folder.png"},
    {"folder-open", ":/images/tree/folder-open.png"},
};

QString readShellText(RegistryRoot root, const QString& key, const QString& value)
{
    const auto opened = RegistryKey::open(root, key);
    return opened ? opened->readString(value) : QString();
}

// A folder shows its closed image, and its open one while it is selected.
QIcon folderIcon(const QIcon& closed, const QIcon& open)
{
    QIcon icon;
    const QSize size(16, 16);
    icon.addPixmap(closed.pixmap(size), QIcon::Normal);
    icon.addPixmap(open.pixmap(size), QIcon::Selected);
    return icon;
}

// What every folder node starts as but its name: copied, it makes a node at a fraction of the
// cost of setting each of these, which counts in a folder of thousands.
std::unique_ptr<QTreeWidgetItem> makeFolderPrototype(const QIcon& icon)
{
    auto node = std::make_unique<QTreeWidgetItem>();
    node->setData(0, TDirectoryTree::ListingRole,
                  QVariant::fromValue(TDirectoryTree::Listing::NotRead));
    node->setData(0, TDirectoryTree::KindRole,
                  QVariant::fromValue(TDirectoryTree::NodeKind::Folder));
    node->setData(0, TDirectoryTree::ImageRole, TDirectoryTree::FolderImage);
    node->setData(0, TDirectoryTree::SelectedImageRole, TDirectoryTree::OpenFolderImage);
    node->setIcon(0, icon);
    node->setFlags(node->flags() | Qt::ItemIsEditable);
    return node;
}

QString withBackslash(const QString& path)
{
    return path.endsWith(u'\\') ? path : path + u'\\';
}

int driveImage(DriveType type)
{
    switch (type) {
    case DriveType::Removable:
        return TDirectoryTree::RemovableDriveImage;
    case DriveType::CdRom:
        return TDirectoryTree::CdRomDriveImage;
    default:
        return TDirectoryTree::FixedDriveImage;
    }
}

// What a drive's node shows. Each drive is surveyed on a thread of its own, since a drive may be
// a medium or a mount that no longer answers; one that does not answer in time shows its letter
// alone, as a fixed drive, and is read when it is opened.
struct DriveSurvey
{
    QString label;
    DriveType type = DriveType::Fixed;
    std::optional<QList<DirEntry>> folders; // nullopt: not read yet
};

DriveSurvey surveyDrive(QChar letter)
{
    DriveSurvey survey;
    survey.type = Drives::type(letter);
    if (Drives::isFloppyLetter(letter))
        return survey;
    survey.label = Drives::label(letter).value_or(QString());
    survey.folders = WinFolder(QString(letter) + QStringLiteral(":\\"))
                         .list(QStringLiteral("*.*"), ListFilter::Folders);
    return survey;
}

QList<std::optional<DriveSurvey>> surveyDrives(const QList<QChar>& letters)
{
    QList<Lookout::Look<DriveSurvey>> looks;
    const QString prefix = WinePrefix::path();
    for (const QChar letter : letters) {
        looks.append({Drives::folder(letter).value_or(QString(letter)), [letter, prefix] {
                          const WinePrefix::Scope scope(prefix);
                          return surveyDrive(letter);
                      }});
    }
    // The window keeps painting meanwhile, but takes no input until the tree is built.
    Lookout lookout(Lookout::standardBudget, [](const QString&) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        return true;
    });
    return lookout.lookAll(looks);
}

// Repainting stays off while the tree unfolds, so the user sees only the result.
class UpdatesSuspended
{
public:
    explicit UpdatesSuspended(QWidget* widget)
        : m_widget(widget), m_wasEnabled(widget->updatesEnabled())
    {
        m_widget->setUpdatesEnabled(false);
    }
    ~UpdatesSuspended() { m_widget->setUpdatesEnabled(m_wasEnabled); }
    UpdatesSuspended(const UpdatesSuspended&) = delete;
    UpdatesSuspended& operator=(const UpdatesSuspended&) = delete;

private:
    QWidget* m_widget;
    bool m_wasEnabled;
};

void setListing(QTreeWidgetItem* node, TDirectoryTree::Listing listing)
{
    node->setData(0, TDirectoryTree::ListingRole, QVariant::fromValue(listing));
}

// Whether a node opens: it has folders read, or stands for a folder not read yet.
bool canOpen(const QTreeWidgetItem* node)
{
    return node->childCount() > 0 || node->childIndicatorPolicy() == QTreeWidgetItem::ShowIndicator;
}

// Takes a node out of its parent and frees it with all it holds.
void removeChild(QTreeWidgetItem* parent, QTreeWidgetItem* child)
{
    const std::unique_ptr<QTreeWidgetItem> taken(parent->takeChild(parent->indexOfChild(child)));
}

// Takes all of a node's children out of the tree and frees them.
void removeChildren(QTreeWidgetItem* node)
{
    const QList<QTreeWidgetItem*> children = node->takeChildren();
    std::vector<std::unique_ptr<QTreeWidgetItem>> taken(children.begin(), children.end());
}

} // namespace

TDirectoryTree::TDirectoryTree(QWidget* parent) : QTreeWidget(parent)
{
    setColumnCount(1);
    setHeaderHidden(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setIconSize(QSize(16, 16));
    setUniformRowHeights(true);
    setAnimated(false);
    setExpandsOnDoubleClick(false);
    setReadOnly(false);
    // The column is as wide as its widest open node and the tree scrolls sideways, so that a
    // deep folder's name is never cut down to its icon.
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);

    DialogLook::keepSelectionHighlighted(this);

    connect(this, &QTreeWidget::itemExpanded, this, &TDirectoryTree::itemWasExpanded);
    connect(this, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current) { currentNodeChanged(current); });

    LoadImages();
    ReadShellTexts();
}

TDirectoryTree::~TDirectoryTree() = default;

void TDirectoryTree::LoadImages()
{
    m_images.clear();
    for (const ImageSource& source : imageSources) {
        m_images << QIcon::fromTheme(QString::fromLatin1(source.themeName),
                                     Artwork::icon(QString::fromLatin1(source.fallback)));
    }
    m_folderPrototype =
        makeFolderPrototype(folderIcon(m_images[FolderImage], m_images[OpenFolderImage]));
}

void TDirectoryTree::ReadShellTexts()
{
    m_desktopName = readShellText(RegistryRoot::ClassesRoot, ShellKeys::desktopClass, QString());
    m_desktopFolder = readShellText(RegistryRoot::CurrentUser, ShellKeys::shellFolders,
                                    QStringLiteral("Desktop"));
    m_myComputerName =
        readShellText(RegistryRoot::ClassesRoot, ShellKeys::myComputerClass, QString());
    m_recycleBinName =
        readShellText(RegistryRoot::ClassesRoot, ShellKeys::recycleBinClass, QString());
}

TDirectoryTree::NodeKind TDirectoryTree::kindOf(const QTreeWidgetItem* node)
{
    return node->data(0, KindRole).value<NodeKind>();
}

TDirectoryTree::Listing TDirectoryTree::listingOf(const QTreeWidgetItem* node)
{
    return node->data(0, ListingRole).value<Listing>();
}

QTreeWidgetItem* TDirectoryTree::desktopNode()
{
    ensureBuilt();
    return m_desktopNode;
}

QTreeWidgetItem* TDirectoryTree::myComputerNode()
{
    ensureBuilt();
    return m_myComputerNode;
}

QTreeWidgetItem* TDirectoryTree::recycleBinNode()
{
    ensureBuilt();
    return m_recycleBinNode;
}

void TDirectoryTree::setReadOnly(bool readOnly)
{
    m_readOnly = readOnly;
    // A double click opens a node; only a click on the selected node or F2 edits its label.
    setEditTriggers(readOnly
                        ? QAbstractItemView::NoEditTriggers
                        : QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
}

QTreeWidgetItem* TDirectoryTree::addNode(QTreeWidgetItem* parent, NodeKind kind,
                                         const QString& label, int image)
{
    auto* node = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
    node->setText(0, label);
    node->setData(0, KindRole, QVariant::fromValue(kind));
    node->setData(0, ImageRole, image);
    node->setData(0, SelectedImageRole, image);
    node->setIcon(0, m_images.value(image));
    node->setFlags(node->flags() | Qt::ItemIsEditable);
    return node;
}

QTreeWidgetItem* TDirectoryTree::addPlaceNode(QTreeWidgetItem* parent, NodeKind kind,
                                              const QString& label, const QString& path, int image)
{
    QTreeWidgetItem* node = addNode(parent, kind, label, image);
    node->setData(0, PathRole, path);
    return node;
}

std::unique_ptr<QTreeWidgetItem> TDirectoryTree::makeFolderNode(const QString& name) const
{
    auto node = std::make_unique<QTreeWidgetItem>(*m_folderPrototype);
    node->setText(0, name);
    return node;
}

QTreeWidgetItem* TDirectoryTree::addFolderNode(QTreeWidgetItem* parent, const QString& name)
{
    auto node = makeFolderNode(name);
    parent->addChild(node.get());
    return node.release();
}

void TDirectoryTree::addRecycleBinNode()
{
    m_recycleBinNode = addPlaceNode(m_desktopNode, NodeKind::RecycleBin, m_recycleBinName,
                                    m_recycleBinName, RecycleBinImage);
}

void TDirectoryTree::setShowRecycleBin(bool show)
{
    if (show == m_showRecycleBin)
        return;
    m_showRecycleBin = show;
    if (!m_built)
        return;
    if (show) {
        addRecycleBinNode();
    } else {
        removeChild(m_desktopNode, m_recycleBinNode);
        m_recycleBinNode = nullptr;
    }
}

void TDirectoryTree::showEvent(QShowEvent* event)
{
    ensureBuilt();
    QTreeWidget::showEvent(event);
}

void TDirectoryTree::ensureBuilt()
{
    if (m_built)
        return;
    m_built = true;
    BuildRoot();
}

void TDirectoryTree::BuildRoot()
{
    const UpdatesSuspended suspended(this);
    m_desktopNode =
        addPlaceNode(nullptr, NodeKind::Desktop, m_desktopName, m_desktopFolder, DesktopImage);
    m_myComputerNode = addPlaceNode(m_desktopNode, NodeKind::MyComputer, m_myComputerName,
                                    m_myComputerName, ComputerImage);
    if (m_showRecycleBin)
        addRecycleBinNode();

    const QList<QChar> letters = Drives::letters();
    const QList<std::optional<DriveSurvey>> surveys = surveyDrives(letters);
    for (qsizetype i = 0; i < letters.size(); ++i) {
        const QChar letter = letters[i];
        const DriveSurvey survey = surveys[i].value_or(DriveSurvey());
        QString label = QString(letter) + u':';
        if (!survey.label.isEmpty())
            label += u'[' + survey.label + u']';
        QTreeWidgetItem* drive =
            addNode(m_myComputerNode, NodeKind::Drive, label, driveImage(survey.type));
        setListing(drive, Listing::NotRead);
        // A floppy is never touched before it is opened, and a drive that did not answer is
        // read when the user opens it.
        if (survey.folders) {
            addFolderNodes(WinFolder(QString(letter) + QStringLiteral(":\\")), *survey.folders,
                           drive, 0, {});
        } else {
            auto* placeholder = new QTreeWidgetItem(drive);
            placeholder->setData(0, KindRole, QVariant::fromValue(NodeKind::Placeholder));
        }
    }

    if (!m_desktopFolder.isEmpty())
        AddSubfolders(WinFolder(m_desktopFolder), m_desktopNode, 2,
                      foldersOnTheWayUp(m_desktopNode));

    m_desktopNode->setExpanded(true);
    m_myComputerNode->setExpanded(true);
}

void TDirectoryTree::AddSubfolders(const WinFolder& folder, QTreeWidgetItem* node, int depth,
                                   const QList<FileIdentity>& onTheWay)
{
    addFolderNodes(folder, folder.list(QStringLiteral("*.*"), ListFilter::Folders), node, depth,
                   onTheWay);
}

void TDirectoryTree::addFolderNodes(const WinFolder& folder, const QList<DirEntry>& entries,
                                    QTreeWidgetItem* node, int depth,
                                    const QList<FileIdentity>& onTheWay)
{
    std::vector<std::unique_ptr<QTreeWidgetItem>> made;
    for (const DirEntry& entry : entries) {
        constexpr quint32 unwanted = AttrHidden | AttrSystem | AttrVolumeLabel;
        if ((entry.attributes & unwanted) || !(entry.attributes & AttrDirectory) ||
            entry.name.startsWith(u'.'))
            continue;
        made.push_back(makeFolderNode(entry.name));
        made.back()->setData(0, IdentityRole, QVariant::fromValue(entry.identity));
        // A folder holding a thousand links to itself would otherwise be read a thousand times;
        // a link back up shows that it opens, and is read when it does.
        if (depth > 0 && onTheWay.contains(entry.identity))
            made.back()->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
        else if (depth > 0)
            AddSubfolders(folder.subfolder(entry.name), made.back().get(), depth - 1,
                          onTheWay + QList<FileIdentity>{entry.identity});
    }
    // One insertion for the whole level keeps a folder of thousands of subfolders quick.
    QList<QTreeWidgetItem*> children;
    children.reserve(qsizetype(made.size()));
    for (auto& child : made)
        children << child.release();
    node->addChildren(children);
}

QList<FileIdentity> TDirectoryTree::foldersOnTheWayUp(const QTreeWidgetItem* node) const
{
    QList<FileIdentity> found;
    for (; node; node = node->parent()) {
        if (kindOf(node) != NodeKind::Folder) {
            // The drive's or the desktop's folder, where the way up ends.
            if (const std::optional<FileIdentity> identity = FileSystem::identity(NodePath(node)))
                found << *identity;
            break;
        }
        const QVariant identity = node->data(0, IdentityRole);
        if (identity.isValid())
            found << identity.value<FileIdentity>();
    }
    return found;
}

void TDirectoryTree::sortChildren(QTreeWidgetItem* node)
{
    struct Keyed
    {
        QByteArray key;
        QTreeWidgetItem* node;
    };
    const QList<QTreeWidgetItem*> children = node->takeChildren();
    std::vector<Keyed> keyed;
    keyed.reserve(size_t(children.size()));
    for (QTreeWidgetItem* child : children)
        keyed.push_back({Collation::sortKey(child->text(0)), child});
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const Keyed& a, const Keyed& b) { return a.key < b.key; });
    QList<QTreeWidgetItem*> sorted;
    sorted.reserve(children.size());
    for (const Keyed& entry : keyed)
        sorted << entry.node;
    node->addChildren(sorted);
}

void TDirectoryTree::FillOnExpanding(QTreeWidgetItem* node)
{
    runQuietly([this, node] {
        const NodeKind kind = kindOf(node);
        if (kind != NodeKind::Drive && kind != NodeKind::Folder)
            return;
        if (listingOf(node) == Listing::Read)
            return;
        const UpdatesSuspended suspended(this);
        removeChildren(node);
        AddSubfolders(WinFolder(NodePath(node)), node, 1, foldersOnTheWayUp(node));
        node->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicatorWhenChildless);
        setListing(node, Listing::Read);
        sortChildren(node);
    });
}

void TDirectoryTree::expandNode(QTreeWidgetItem* node)
{
    if (!node)
        return;
    FillOnExpanding(node);
    if (node->childCount() > 0 && !node->isExpanded())
        node->setExpanded(true);
}

void TDirectoryTree::itemWasExpanded(QTreeWidgetItem* node)
{
    // Paths that open a node without asking expandNode() (assistive technology, callers of
    // setExpanded) still read its folders; the user sees the result only after this returns.
    if (kindOf(node) != NodeKind::Drive && kindOf(node) != NodeKind::Folder)
        return;
    if (listingOf(node) == Listing::Read)
        return;
    FillOnExpanding(node);
    if (node->childCount() == 0)
        node->setExpanded(false);
}

QString TDirectoryTree::NodePath(const QTreeWidgetItem* node) const
{
    if (!node)
        return QString();
    switch (kindOf(node)) {
    case NodeKind::Desktop:
    case NodeKind::MyComputer:
    case NodeKind::RecycleBin:
        return node->data(0, PathRole).toString();
    default:
        break;
    }
    QString path;
    for (const QTreeWidgetItem* step = node; step && step != m_myComputerNode;
         step = step->parent()) {
        QString part;
        if (kindOf(step) == NodeKind::Desktop) {
            part = step->data(0, PathRole).toString();
        } else {
            part = step->text(0);
            // A drive's label ends with its volume name, which is no part of the path.
            if (kindOf(step) == NodeKind::Drive && WinPath::startsWithDrive(part))
                part.truncate(2);
        }
        path = part + u'\\' + path;
    }
    if (path.size() > 3)
        path.chop(1);
    return path;
}

QTreeWidgetItem* TDirectoryTree::FindChildNode(const QTreeWidgetItem* parent,
                                               const QString& name) const
{
    if (!parent)
        return nullptr;
    const bool driveLevel = parent == m_myComputerNode;
    for (int i = 0; i < parent->childCount(); ++i) {
        QTreeWidgetItem* child = parent->child(i);
        const QString label = driveLevel ? child->text(0).left(2) : child->text(0);
        if (AsciiCase::equal(label, name))
            return child;
    }
    return nullptr;
}

bool TDirectoryTree::walkTo(const QString& path, QTreeWidgetItem** found)
{
    QTreeWidgetItem* node = m_myComputerNode;
    // Each component opens its parent first, so a folder not read yet is read now.
    for (const QString& component : path.split(u'\\')) {
        QTreeWidgetItem* next = nullptr;
        runQuietly([&] {
            expandNode(node);
            next = FindChildNode(node, component);
        });
        if (!next)
            return false;
        node = next;
    }
    *found = node;
    return true;
}

QTreeWidgetItem* TDirectoryTree::locate(const QString& path) const
{
    QTreeWidgetItem* node = m_myComputerNode;
    for (const QString& component : path.split(u'\\')) {
        node = FindChildNode(node, component);
        if (!node)
            return nullptr;
    }
    return node;
}

void TDirectoryTree::setDirectory(const QString& path)
{
    ensureBuilt();
    QTreeWidgetItem* found = nullptr;
    bool walked = false;
    {
        const UpdatesSuspended suspended(this);
        walked = walkTo(path, &found);
        if (walked) {
            scrollToItem(found);
            setCurrentItem(found);
        }
    }
    m_directory = path;
    if (walked) {
        runQuietly([this] {
            viewport()->update();
            setFocus(Qt::OtherFocusReason);
        });
    }
}

void TDirectoryTree::currentNodeChanged(QTreeWidgetItem* current)
{
    if (m_ignoreCurrentChange || !current)
        return;
    m_directory = NodePath(current);
    runQuietly([this] {
        if (m_fileListBox)
            m_fileListBox->followDirectory(m_directory);
    });
    runQuietly([this, current] { Q_EMIT changed(current); });
}

void TDirectoryTree::CreateFolder(const QString& name)
{
    runQuietly([this, &name] {
        ensureBuilt();
        // Only a path on a drive names a folder; My Computer's display name or a relative text
        // would make a folder wherever the program happens to run.
        if (!WinPath::startsWithDrive(m_directory))
            return;
        const QString before = m_directory;
        const QString base = withBackslash(m_directory);
        const QString folder = base.size() > 3 ? base.chopped(1) : base.left(2);
        FileSystem::createFolder(base + name);

        // The folder's node in the drive branch is read again when the walk passes it.
        QTreeWidgetItem* parentNode = locate(folder);
        if (parentNode)
            setListing(parentNode, Listing::NotRead);
        QTreeWidgetItem* selected = currentItem();

        QTreeWidgetItem* found = nullptr;
        {
            const UpdatesSuspended suspended(this);
            if (walkTo(base + name, &found)) {
                scrollToItem(found);
                setCurrentItem(found);
            }
        }
        if (!found) {
            // Nothing was made: Directory goes on naming the folder the user is in.
            m_directory = before;
            return;
        }
        m_directory = base + name;

        // A node outside the drive branch that stands for the same folder (the Desktop node, a
        // folder on the desktop) shows the new folder too, until it is read again.
        if (selected && selected != parentNode && AsciiCase::equal(NodePath(selected), folder) &&
            !FindChildNode(selected, name)) {
            addFolderNode(selected, name);
            if (kindOf(selected) == NodeKind::Folder)
                setListing(selected, Listing::NotRead);
        }
        runQuietly([this] {
            viewport()->update();
            setFocus(Qt::OtherFocusReason);
        });
    });
}

void TDirectoryTree::focusInEvent(QFocusEvent* event)
{
    // Qt makes the first row current when the view takes the focus with nothing selected; this
    // control selects only what the user or the program chose.
    const bool hadCurrent = currentItem() != nullptr;
    m_ignoreCurrentChange = !hadCurrent;
    const auto restore = qScopeGuard([this] { m_ignoreCurrentChange = false; });
    QTreeWidget::focusInEvent(event);
    if (!hadCurrent && currentItem())
        selectionModel()->clearCurrentIndex();
}

bool TDirectoryTree::onBranchIndicator(const QPoint& position, QTreeWidgetItem* item) const
{
    const QRect itemRect = visualItemRect(item);
    const int width = indentation();
    const QRect branch =
        isRightToLeft() ? QRect(itemRect.right() + 1, itemRect.top(), width, itemRect.height())
                        : QRect(itemRect.left() - width, itemRect.top(), width, itemRect.height());
    return branch.contains(position);
}

void TDirectoryTree::mousePressEvent(QMouseEvent* event)
{
    const QPoint position = event->position().toPoint();
    QTreeWidgetItem* item = itemAt(position);
    if (event->button() == Qt::LeftButton && item && canOpen(item) &&
        onBranchIndicator(position, item)) {
        if (item->isExpanded())
            item->setExpanded(false);
        else
            expandNode(item);
        event->accept();
        return;
    }
    QTreeWidget::mousePressEvent(event);
}

void TDirectoryTree::mouseReleaseEvent(QMouseEvent* event)
{
    // The press opened or closed the node already; styles that toggle on release must not undo it.
    const QPoint position = event->position().toPoint();
    QTreeWidgetItem* item = itemAt(position);
    if (event->button() == Qt::LeftButton && item && onBranchIndicator(position, item)) {
        event->accept();
        return;
    }
    QTreeWidget::mouseReleaseEvent(event);
}

void TDirectoryTree::mouseDoubleClickEvent(QMouseEvent* event)
{
    const QPoint position = event->position().toPoint();
    QTreeWidgetItem* item = itemAt(position);
    if (event->button() == Qt::LeftButton && item && canOpen(item) &&
        !onBranchIndicator(position, item)) {
        if (item->isExpanded())
            item->setExpanded(false);
        else
            expandNode(item);
    }
    QTreeWidget::mouseDoubleClickEvent(event);
}

void TDirectoryTree::keyPressEvent(QKeyEvent* event)
{
    QTreeWidgetItem* item = currentItem();
    const int openKey = isRightToLeft() ? Qt::Key_Left : Qt::Key_Right;
    const int key = event->key();
    // "*" opens one level only: opening everything below a drive would read the whole disk.
    if (item && key == Qt::Key_Asterisk) {
        expandNode(item);
        event->accept();
        return;
    }
    if (item && !item->isExpanded() && canOpen(item) && (key == openKey || key == Qt::Key_Plus) &&
        state() != QAbstractItemView::EditingState) {
        expandNode(item);
        event->accept();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}
