#pragma once
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

class QLineEdit;
class QWidget;

namespace vorna {

// A window's operation password panel: a frame hidden at design holding one
// password box. An opener, after its own right and level tests, calls Open with
// the operation it guards; the window's LostFocus handler of the box calls
// Check, which compares the entry with the operation's password (both trimmed
// of blanks, letter case counting) and runs one of the operation's three
// outcomes after closing the panel:
//
//   - cancelled: the entry was blank; no message;
//   - refused:   the entry differs; the operation's message (OK, no title) was shown;
//   - accepted:  the entry equals the password.
//
// Closing hides the panel and shows again the frames that opening it hid.
//
// The box is emptied at every opening, so an entry typed for one operation is
// never taken for the next: each protected action asks for the password anew.
//
//   auto* panel = new PasswordPanel(ui->Frame3D6, ui->Text29);
//   panel->add({.password = [] { return state().settings.DeletionPassword; },
//               .wrongPassword = QStringLiteral("SENHA INCORRETA! ..."),
//               .covered = {ui->Frame3D2, ui->Frame3D5}, .left = 4650, .top = 3630,
//               .accepted = [this] { deleteShownClient(); }});
//   ...
//   void Form4::Command3D3_Click() { /* right and level tests */ panel->Open(); }
//   void Form4::Text29_LostFocus() { panel->Check(); }
class PasswordPanel : public QObject {
public:
    struct Operation {
        // The pending-action code of a window that guards several operations;
        // 0 in a window that guards one.
        int code = 0;
        // The operation password, read at each check (the settings may change
        // between openings). An empty password matches no entry.
        std::function<QString()> password;
        QString wrongPassword;
        // Frames (or boxes) hidden while the panel shows for this operation.
        std::vector<QWidget*> covered;
        // Where the opening places the panel, in twips within the window; an
        // unset left keeps the panel's left edge.
        std::optional<int> left;
        std::optional<int> top;
        std::function<void()> accepted;
        std::function<void()> refused;
        std::function<void()> cancelled;
    };

    // The panel (hidden at design) and its password box. The object is a child
    // of the panel, so it goes when the window unloads its controls.
    PasswordPanel(QWidget* panel, QLineEdit* box);

    PasswordPanel& add(Operation operation);

    // Stores the pending operation (a code no operation has stands for the
    // first one added), hides the frames it covers, empties the box, places and
    // shows the panel and puts the focus in the box.
    void Open(int code = 0);
    // The password box lost the focus: closes the panel and runs the pending
    // operation's outcome. Nothing happens while the panel is closed.
    void Check();

    bool isOpen() const { return pending_.has_value(); }
    // The code of the operation waiting for the password; 0 when none waits.
    int pendingCode() const;

private:
    const Operation& operation(size_t index) const { return operations_[index]; }
    void close(const Operation& operation);

    QPointer<QWidget> panel_;
    QPointer<QLineEdit> box_;
    std::vector<Operation> operations_;
    std::optional<size_t> pending_;
};

// The settings' deletion password as an operation's password: none is empty.
QString deletionPassword();

}  // namespace vorna
