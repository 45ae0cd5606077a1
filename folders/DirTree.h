#pragma once

#include "FileSystem.h"

#include <QIcon>
#include <QList>
#include <QString>
#include <QTreeWidget>
#include <memory>

// Something that lists the folder the tree points at (a file list beside the tree).
class DirectoryFollower
{
public:
    virtual ~DirectoryFollower() = default;
    virtual void followDirectory(const QString& path) = 0;
};

// A tree of the machine as the desktop shell shows it: the Desktop on top, under it My Computer
// with one node per drive, optionally the Recycle Bin, and the folders on the desktop. Folders are
// read from disk only when their parent is about to open, one level ahead of what the user sees.
// Directory is the folder of the selected node; writing it unfolds the tree down to that folder.
class TDirectoryTree : public QTreeWidget
{
    Q_OBJECT
    Q_PROPERTY(QString directory READ directory WRITE setDirectory)
    Q_PROPERTY(bool showRecycleBin READ showRecycleBin WRITE setShowRecycleBin)
    Q_PROPERTY(bool readOnly READ readOnly WRITE setReadOnly)

public:
    enum class NodeKind
    {
        Desktop,
        MyComputer,
        RecycleBin,
        Drive,
        Folder,
        Placeholder // the one child of a drive not read yet, so that it shows it opens
    };
    Q_ENUM(NodeKind)

    // Whether a drive's or a folder's subfolders were read for its opening. Until they are, its
    // children are what the look-ahead found, or the placeholder, and its opening reads them anew.
    enum class Listing
    {
        NotRead,
        Read
    };
    Q_ENUM(Listing)

    // Positions in the image list.
    enum Image
    {
        DesktopImage,
        ComputerImage,
        RecycleBinImage,
        RemovableDriveImage,
        FixedDriveImage,
        CdRomDriveImage,
        FolderImage,
        OpenFolderImage,
        ImageCount
    };

    enum Role
    {
        ListingRole = Qt::UserRole, // a drive's or a folder's Listing
        KindRole,                   // NodeKind
        ImageRole,                  // image index when not selected
        SelectedImageRole,          // image index when selected
        IdentityRole,               // a folder node's FileIdentity, when it was listed
        PathRole // the NodePath of the Desktop (its folder), My Computer and the Recycle Bin
    };

    // Reads the shell's display names and the desktop folder. Throws Exception when one of those
    // registry values exists but is not text.
    explicit TDirectoryTree(QWidget* parent = nullptr);
    ~TDirectoryTree() override;

    QString directory() const { return m_directory; }
    // Unfolds the tree down to path and selects its node; the text is kept as given either way.
    void setDirectory(const QString& path);

    bool showRecycleBin() const { return m_showRecycleBin; }
    void setShowRecycleBin(bool show);

    bool readOnly() const { return m_readOnly; }
    bool isEditingLabel() const { return state() == EditingState; }
    void setReadOnly(bool readOnly);

    void setFileListBox(DirectoryFollower* follower) { m_fileListBox = follower; }

    // Makes the folder name in Directory and selects it. Reports nothing.
    void CreateFolder(const QString& name);

    // The folder a node stands for (the display name for My Computer and the Recycle Bin).
    QString NodePath(const QTreeWidgetItem* node) const;
    // The child whose label equals name, ASCII letters compared without regard to case; at the
    // drive level only the drive letter and colon count.
    QTreeWidgetItem* FindChildNode(const QTreeWidgetItem* parent, const QString& name) const;

    // Opens a node the way the user does: its folders are read first when they have not been.
    void expandNode(QTreeWidgetItem* node);

    QTreeWidgetItem* desktopNode();
    QTreeWidgetItem* myComputerNode();
    QTreeWidgetItem* recycleBinNode();

    static NodeKind kindOf(const QTreeWidgetItem* node);
    static Listing listingOf(const QTreeWidgetItem* node);
    QIcon image(int index) const { return m_images.value(index); }

    QString desktopFolder() const { return m_desktopFolder; }

Q_SIGNALS:
    // After every change of the selected node, once directory() names the new node's folder.
    void changed(QTreeWidgetItem* node);

protected:
    void showEvent(QShowEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void LoadImages();
    void ReadShellTexts();
    void ensureBuilt();
    void BuildRoot();
    // Adds the folders of path under node and reads depth more levels ahead; a subfolder that is
    // one of the folders onTheWay up (a link back to one of them) is added but not read ahead.
    void AddSubfolders(const WinFolder& folder, QTreeWidgetItem* node, int depth,
                       const QList<FileIdentity>& onTheWay);
    // The same with the folder's own entries already read.
    void addFolderNodes(const WinFolder& folder, const QList<DirEntry>& entries,
                        QTreeWidgetItem* node, int depth, const QList<FileIdentity>& onTheWay);
    QList<FileIdentity> foldersOnTheWayUp(const QTreeWidgetItem* node) const;
    void FillOnExpanding(QTreeWidgetItem* node);
    bool walkTo(const QString& path, QTreeWidgetItem** found);
    QTreeWidgetItem* locate(const QString& path) const;
    void currentNodeChanged(QTreeWidgetItem* current);
    void itemWasExpanded(QTreeWidgetItem* node);
    QTreeWidgetItem* addNode(QTreeWidgetItem* parent, NodeKind kind, const QString& label,
                             int image);
    QTreeWidgetItem* addPlaceNode(QTreeWidgetItem* parent, NodeKind kind, const QString& label,
                                  const QString& path, int image);
    std::unique_ptr<QTreeWidgetItem> makeFolderNode(const QString& name) const;
    QTreeWidgetItem* addFolderNode(QTreeWidgetItem* parent, const QString& name);
    void addRecycleBinNode();
    void sortChildren(QTreeWidgetItem* node);
    bool onBranchIndicator(const QPoint& position, QTreeWidgetItem* item) const;

    QList<QIcon> m_images;
    std::unique_ptr<QTreeWidgetItem> m_folderPrototype;
    QTreeWidgetItem* m_desktopNode = nullptr;
    QTreeWidgetItem* m_myComputerNode = nullptr;
    QTreeWidgetItem* m_recycleBinNode = nullptr;
    QString m_desktopName;
    QString m_desktopFolder;
    QString m_myComputerName;
    QString m_recycleBinName;
    QString m_directory;
    DirectoryFollower* m_fileListBox = nullptr;
    bool m_showRecycleBin = true;
    bool m_readOnly = false;
    bool m_built = false;
    bool m_ignoreCurrentChange = false;
};
