#pragma once
#include <QString>
#include <exception>
#include <functional>

// The program's start-up runs in the login window's load step: one statement
// after another under one error rule, the start-up error table.
namespace vorna::shell {

// The support team's contacts that the day's text of some days names.
inline const QString SupportMessengerAddress = QStringLiteral("suporte@vornatec.com.br");
inline const QString SupportSkypeName = QStringLiteral("vornatec.suporte");
inline const QString SupportTwitterName = QStringLiteral("@vornatec");

// The login window's scrolling text for a day of the month (1 to 31): thirty
// blanks followed by the day's text.
QString MarqueeTextForDay(int dayOfMonth);

// What an error of the load step does, by its number.
struct StartupErrorTable {
    enum class Outcome {
        EndProgram,       // the message with the exclamation icon, then the program ends
        EndLoadSilently,  // the load step stops; the login window shows all the same
        ReportAndGoOn,    // "ERRO DETECTADO " and the number; the next statement runs
    };
    struct Entry {
        Outcome outcome;
        QString message;  // empty for a silent end
    };
    // file: the database file the failing statement opens, named by the box of
    // a file that cannot be written; empty for other statements.
    static Entry of(int errorNumber, const QString& file = {});
};

// Runs the load step's statements one by one. A statement that fails is
// handled by the start-up error table: its message is kept in `MessageText`
// and shown, and the load step either ends (the program with it, or silently)
// or goes on with the statement after the failing one.
class StartupStatements {
public:
    enum class Flow { Next, EndedSilently, ProgramEnded };

    // Runs one statement unless the load step has already ended; file as for
    // StartupErrorTable::of.
    Flow run(const std::function<void()>& statement, const QString& file = {});
    bool ended() const { return flow_ != Flow::Next; }
    Flow flow() const { return flow_; }
    // The load step goes on after a silent end (see the settings write-back).
    void resume() { if (flow_ == Flow::EndedSilently) flow_ = Flow::Next; }

private:
    Flow flow_ = Flow::Next;
};

// The number the start-up error table knows a failure by: the engine's and the
// runtime's own number, 7 for memory running out, 51 for any other failure.
int startupErrorNumber(const std::exception_ptr& failure);

}  // namespace vorna::shell
