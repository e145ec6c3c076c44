#pragma once
#include "platform/controls/Window.h"
#include "platform/database/Recordset.h"
#include "ui_Form28.h"

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

namespace vorna::registries {

// The path an attachment gets from the folder and file picked in the lists:
// the two joined by the platform's separator, without doubling it at a root.
QString attachmentPath(const QString& folder, const QString& fileName);

// The folders the drive list offers: the file-system root and the user's home
// folder, the roots a user has on this desktop.
QStringList attachmentDrives();

// The attachments of one owner record (a document, a client or an event): up to
// ten file paths kept in the owner row's ANEXO1 to ANEXO10. Files are never
// copied or read; a path is handed to the desktop to open.
//
// The owner is taken once, by the load step, from `CallerCode` and
// `AttachmentOwnerKey`; the window keeps it for its whole opening, so whatever
// other windows hand over meanwhile, "Sair" writes only the row its load step
// found and gives control back to the owner window that opened it.
class Form28 : public ui::DesignedWindow<Ui::Form28> {
    Q_OBJECT
public:
    Form28();

    // The owner kinds, as the openers hand them over in `CallerCode`.
    enum OwnerKind : int { NoOwner = 0, Document = 1, Client = 2, Event = 3 };

    OwnerKind ownerKind() const { return ownerKind_; }
    int32_t ownerKey() const { return ownerKey_; }
    // Whether the load step found the owner row (the only row "Sair" writes).
    bool ownerRowFound() const { return ownerRowFound_; }
    bool isViewOnly() const { return viewOnly_; }

    // The folder the folder list shows and the file list lists.
    QString folderListPath() const { return folderPath_; }
    QString fileListPath() const { return filePath_; }

protected:
    void connectControls() override;
    void Form_Load() override;
    void Form_Unload() override;

private:
    void ClearAttachmentSlots();
    void applyViewOnlyLayout();
    bool findOwnerRow();

    // Browsing.
    void startBrowsingAtCurrentFolder();
    void fillDriveList(const QString& currentDrive);
    void showFolder(const QString& folder);
    void fillFileList(const QString& folder);
    void openHighlightedFolder();

    void Drive1_Change();
    void Dir1_Change();
    void File1_Click();
    void Command3_Click();
    void Command4_Click();
    void Command1_Click();
    void Command2_Click();
    void slotClicked(int slot);

    void writeSlotsToOwnerRow();
    void enableOwnerWindows();

    std::array<ui::TextBox*, 10> slotBoxes() const;

    OwnerKind ownerKind_ = NoOwner;
    int32_t ownerKey_ = 0;
    bool ownerRowFound_ = false;
    bool viewOnly_ = false;
    db::Recordset ownerRows_;
    QString folderPath_;
    QString filePath_;
};

}  // namespace vorna::registries
