#include "registries/Form28.h"

#include "common/DesktopLaunch.h"
#include "common/MessageTexts.h"
#include "common/ProgramState.h"
#include "common/WindowRefs.h"
#include "platform/controls/ControlEvents.h"
#include "platform/controls/Twips.h"
#include "platform/runtime/EngineError.h"
#include "platform/runtime/Runtime.h"

#include <QDir>
#include <QStyle>

namespace vorna {

namespace {

const QString NoAttachmentRight = QStringLiteral("DESCULPE, SUA SENHA NÃO PERMITE INCLUIR ANEXOS!");

QString alreadyAttached(int slot)
{
    return QStringLiteral("VOCÊ JÁ INCLUIU ESTE ANEXO... VEJA O ÍTEM ") + QString::number(slot) + QStringLiteral("!");
}

constexpr int SlotCount = 10;
// The compact form: the browsing controls go, the rest moves up by this much.
constexpr int CompactShiftTwips = 3850;
constexpr int CompactHeightTwips = 3700;
constexpr int FullWidthTwips = 6165;
constexpr int FullHeightTwips = 7380;

struct OwnerTable {
    const char* table;
    const char* keyField;
    const char* caption;
};

const OwnerTable* ownerTableOf(registries::Form28::OwnerKind kind)
{
    static const OwnerTable document{"DOCUMENTOS", "PROPOSTA", "Arquivos Anexos ao Documento"};
    static const OwnerTable client{"CLIENTES", "CODIGO", "Arquivos Anexos ao Estipulante"};
    static const OwnerTable event{"PROCEDE", "CODIGO", "Arquivos Anexos a Eventos"};
    switch (kind) {
    case registries::Form28::Document: return &document;
    case registries::Form28::Client: return &client;
    case registries::Form28::Event: return &event;
    default: return nullptr;
    }
}

registries::Form28::OwnerKind ownerKindOf(const Variant& callerCode)
{
    if (!callerCode.isNumeric())
        return registries::Form28::NoOwner;
    const double code = callerCode.numberValue();
    for (auto kind : {registries::Form28::Document, registries::Form28::Client, registries::Form28::Event})
        if (code == int(kind))
            return kind;
    return registries::Form28::NoOwner;
}

ui::Window* ownerWindowOf(registries::Form28::OwnerKind kind)
{
    switch (kind) {
    case registries::Form28::Document: return &windows::Form14();
    case registries::Form28::Client: return &windows::Form4();
    case registries::Form28::Event: return &windows::Form7();
    default: return nullptr;
    }
}

// Not the third level, and both document rights: the user may add and alter.
bool userMayAlterAttachments()
{
    const ProgramState& s = vorna::state();
    return s.session.AccessLevelWord != level::Minimum && s.session.hasRight(Right::ICD) && s.session.hasRight(Right::ACD);
}

bool blank(const QString& text) { return rt::Trim(text).isEmpty(); }

// The desktop opens the path with its default program. A path that cannot be
// opened (moved, deleted, a folder gone) is not this window's business.
void openAttachment(const QString& path)
{
    if (blank(path))
        return;
    try {
        launch::openFile(path);
    } catch (const std::exception&) {
    }
}

const QChar Separator = QDir::separator();

bool isRoot(const QString& folder) { return folder.size() == 1 && folder.at(0) == Separator; }

QString parentFolder(const QString& folder)
{
    const qsizetype cut = folder.lastIndexOf(Separator);
    return cut <= 0 ? QString(Separator) : folder.left(cut);
}

QString lastName(const QString& folder) { return folder.mid(folder.lastIndexOf(Separator) + 1); }

bool isInside(const QString& folder, const QString& top)
{
    if (folder == top || isRoot(top))
        return true;
    return folder.startsWith(top + Separator);
}

// The drive a folder lies on: the deepest offered drive that holds it.
QString driveOf(const QString& folder, const QStringList& drives)
{
    QString best = drives.isEmpty() ? QString(Separator) : drives.first();
    for (const QString& drive : drives)
        if (isInside(folder, drive) && drive.size() > best.size())
            best = drive;
    return best;
}

}  // namespace

namespace registries {

QString attachmentPath(const QString& folder, const QString& fileName)
{
    if (folder.endsWith(Separator))
        return folder + fileName;
    return folder + Separator + fileName;
}

QStringList attachmentDrives()
{
    QStringList drives{QDir::rootPath()};
    const QString home = QDir::cleanPath(QDir::homePath());
    if (!home.isEmpty() && !drives.contains(home))
        drives << home;
    return drives;
}

Form28::Form28()
{
    setObjectName(QStringLiteral("Form28"));
    setFixedWithoutCloseBox();
    // No border, title bar or taskbar entry: "Sair" is the only way out.
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
}

void Form28::connectControls()
{
    // A compact opening left its fixed size behind; every opening starts full size.
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    resize(ui::twips(FullWidthTwips), ui::twips(FullHeightTwips));

    // The lists come up on the program's current drive and folder, as created.
    startBrowsingAtCurrentFolder();

    ui::on(ui->Drive1).Click(this, &Form28::Drive1_Change);
    ui::on(ui->Dir1).DblClick(this, &Form28::openHighlightedFolder);
    ui::on(ui->Dir1).KeyPress([this](int& keyAscii) {
        if (keyAscii == 13) {
            keyAscii = 0;
            openHighlightedFolder();
        }
    });
    ui::on(ui->File1).Click(this, &Form28::File1_Click);
    ui::on(ui->Command3).Click(this, &Form28::Command3_Click);
    ui::on(ui->Command4).Click(this, &Form28::Command4_Click);
    ui::on(ui->Command1).Click(this, &Form28::Command1_Click);
    ui::on(ui->Command2).Click(this, &Form28::Command2_Click);
    const auto boxes = slotBoxes();
    for (int n = 0; n < SlotCount; ++n)
        ui::on(boxes[n]).Click([this, n] { slotClicked(n); });
}

std::array<ui::TextBox*, 10> Form28::slotBoxes() const
{
    return {ui->Text1, ui->Text2, ui->Text3, ui->Text4, ui->Text5,
            ui->Text6, ui->Text7, ui->Text8, ui->Text9, ui->Text10};
}

void Form28::ClearAttachmentSlots()
{
    for (ui::TextBox* slot : slotBoxes())
        slot->setText(QStringLiteral(" "));
}

void Form28::Form_Load()
{
    ClearAttachmentSlots();
    ui->Text1->setFocus();

    // The owner is this opening's for good: later hand-overs by other windows
    // do not move it.
    const ProgramState& s = vorna::state();
    ownerKind_ = ownerKindOf(s.handOver.CallerCode);
    ownerKey_ = s.handOver.AttachmentOwnerKey;
    ownerRowFound_ = false;
    ownerRows_ = {};
    viewOnly_ = false;

    const OwnerTable* owner = ownerTableOf(ownerKind_);
    setWindowTitle(QString::fromUtf8(owner ? owner->caption : ownerTableOf(Document)->caption));
    try {
        ownerRowFound_ = findOwnerRow();
    } catch (...) {
        applyViewOnlyLayout();
        throw;
    }
    // Without an owner row nothing typed or added could be stored, so the
    // window offers only what it can do: open what is shown.
    if (!userMayAlterAttachments() || !ownerRowFound_)
        applyViewOnlyLayout();
}

bool Form28::findOwnerRow()
{
    const OwnerTable* owner = ownerTableOf(ownerKind_);
    if (!owner)
        return false;
    db::Recordset rows = vorna::state().MainDatabase.openRecordset(QString::fromLatin1(owner->table));
    rows.FindFirst(QString::fromLatin1(owner->keyField) + QStringLiteral(" = ") + QString::number(ownerKey_));
    // On a miss the recordset stands on some other row: never show or write it.
    if (rows.NoMatch())
        return false;
    const auto boxes = slotBoxes();
    for (int n = 0; n < SlotCount; ++n) {
        const Variant value = rows.field(QStringLiteral("ANEXO") + QString::number(n + 1));
        if (!value.isNull() && !value.isEmpty())
            boxes[n]->setText(rt::CStr(value));
    }
    ownerRows_ = rows;
    return true;
}

void Form28::applyViewOnlyLayout()
{
    if (viewOnly_)
        return;
    viewOnly_ = true;
    for (QWidget* browsing : std::initializer_list<QWidget*>{ui->Drive1, ui->Dir1, ui->File1, ui->Text12,
                                                              ui->Command3, ui->Command4})
        browsing->hide();
    const int shift = ui::twips(CompactShiftTwips);
    for (QWidget* kept : std::initializer_list<QWidget*>{
             ui->Text1, ui->Text2, ui->Text3, ui->Text4, ui->Text5, ui->Text6, ui->Text7, ui->Text8,
             ui->Text9, ui->Text10, ui->Text11, ui->Command1, ui->Command2, ui->Label1, ui->Label2,
             ui->Label3, ui->Label4, ui->Label5, ui->Label6, ui->Label7, ui->Label8, ui->Label9,
             ui->Label10, ui->Label11})
        kept->move(kept->x(), kept->y() - shift);
    setFixedSize(width(), ui::twips(CompactHeightTwips));
}

void Form28::Form_Unload()
{
    ownerRows_ = {};
    ownerRowFound_ = false;
    viewOnly_ = false;
    ownerKind_ = NoOwner;
    folderPath_.clear();
    filePath_.clear();
}

// --- browsing ---

void Form28::startBrowsingAtCurrentFolder()
{
    const QString current = QDir::cleanPath(QDir::currentPath());
    fillDriveList(driveOf(current, attachmentDrives()));
    showFolder(current);
    fillFileList(current);
}

void Form28::fillDriveList(const QString& currentDrive)
{
    ui->Drive1->Clear();
    for (const QString& drive : attachmentDrives())
        ui->Drive1->AddItem(drive);
    ui->Drive1->setText(currentDrive);
}

// The folder list shows the way from the drive down to the folder, opened,
// and the folder's own folders below it; each item keeps its full path.
void Form28::showFolder(const QString& folder)
{
    folderPath_ = folder;
    ui::ListBox* list = ui->Dir1;
    list->Clear();

    const QString drive = ui->Drive1->Text();
    QStringList way{folder};
    while (way.first() != drive && !isRoot(way.first()))
        way.prepend(parentFolder(way.first()));

    const QIcon opened = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirIcon);
    auto add = [list](const QString& text, const QString& path, int depth, const QIcon& icon) {
        const int at = list->AddItem(QString(depth * 2, QLatin1Char(' ')) + text);
        list->item(at)->setData(Qt::UserRole, path);
        list->item(at)->setIcon(icon);
    };
    for (int depth = 0; depth < way.size(); ++depth)
        add(depth == 0 ? way[depth] : lastName(way[depth]), way[depth], depth, opened);
    list->setListIndex(list->ListCount() - 1);

    // A folder that cannot be read shows no folders; the window goes on.
    const QStringList inside = QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot,
                                                      QDir::Name | QDir::IgnoreCase);
    for (const QString& name : inside)
        add(name, attachmentPath(folder, name), int(way.size()), closed);
}

void Form28::fillFileList(const QString& folder)
{
    filePath_ = folder;
    ui->File1->Clear();
    const QStringList files = QDir(folder).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : files)
        ui->File1->AddItem(name);
}

void Form28::openHighlightedFolder()
{
    QListWidgetItem* item = ui->Dir1->currentItem();
    if (!item)
        return;
    const QString folder = item->data(Qt::UserRole).toString();
    if (folder.isEmpty() || folder == folderPath_)
        return;
    showFolder(folder);
    Dir1_Change();
}

void Form28::Drive1_Change()
{
    const QString drive = ui->Drive1->Text();
    if (drive.isEmpty())
        return;
    showFolder(drive);
    Dir1_Change();
}

void Form28::Dir1_Change() { fillFileList(folderPath_); }

void Form28::File1_Click()
{
    const QString name = ui->File1->Text();
    if (name.isEmpty())
        return;
    ui->Text12->setText(attachmentPath(filePath_, name));
}

// --- the buttons ---

void Form28::Command3_Click() { openAttachment(ui->Text12->text()); }

void Form28::Command1_Click() { openAttachment(ui->Text11->text()); }

void Form28::slotClicked(int slot) { ui->Text11->setText(slotBoxes()[slot]->text()); }

void Form28::Command4_Click()
{
    const ProgramState& s = vorna::state();
    if (s.session.AccessLevelWord == level::Minimum) {
        msg::refusedByLevel();
        return;
    }
    if (!s.session.hasRight(Right::ICD) || !s.session.hasRight(Right::ACD)) {
        msg::refusedByRight(NoAttachmentRight);
        return;
    }
    const QString picked = ui->Text12->text();
    const auto boxes = slotBoxes();
    for (int n = 0; n < SlotCount; ++n) {
        if (boxes[n]->text() == picked) {
            msg::notice(alreadyAttached(n + 1));
            return;
        }
    }
    for (ui::TextBox* slot : boxes) {
        if (blank(slot->text())) {
            slot->setText(picked);
            return;
        }
    }
}

void Form28::Command2_Click()
{
    // The full form is offered only to a user who may alter documents, over an
    // owner row the load step found; the compact form stores nothing.
    if (!viewOnly_ && userMayAlterAttachments() && ownerRowFound_)
        writeSlotsToOwnerRow();
    enableOwnerWindows();
    Unload();
}

// A blank slot is not written, so its field keeps what it held.
void Form28::writeSlotsToOwnerRow()
{
    try {
        ownerRows_.Edit();
        const auto boxes = slotBoxes();
        for (int n = 0; n < SlotCount; ++n) {
            const QString text = boxes[n]->text();
            if (!blank(text))
                ownerRows_.setField(QStringLiteral("ANEXO") + QString::number(n + 1), Variant(text));
        }
        ownerRows_.Update();
    } catch (const EngineError& failure) {
        ownerRows_.CancelUpdate();
        msg::writeFailure(failure.number());
    } catch (const std::exception& failure) {
        // Whatever went wrong, the owner window must not stay disabled.
        ui::reportUnexpectedFailure(failure);
    }
}

// The owner window of this opening gets control back. Another owner window
// that showed this window while it was open disabled itself as well and waits
// for this "Sair" too; the owner windows disable themselves for nothing else.
void Form28::enableOwnerWindows()
{
    if (ui::Window* owner = ownerWindowOf(ownerKind_))
        owner->Enable();
    for (OwnerKind kind : {Document, Client, Event}) {
        ui::Window* other = ownerWindowOf(kind);
        if (!other->isEnabled())
            other->Enable();
    }
}

}  // namespace registries

ui::Window& windows::Form28() { return ui::windowRef<registries::Form28>(); }

}  // namespace vorna
