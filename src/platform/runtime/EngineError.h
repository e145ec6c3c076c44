#pragma once
#include <QString>
#include <stdexcept>

namespace vorna {

// A failure reported by the database engine or the language runtime, with the
// number the windows' handlers test and show (3022, 3260, 13, ...).
class EngineError : public std::runtime_error {
public:
    EngineError(int number, const QString& text);
    int number() const { return number_; }
    const QString& text() const { return text_; }

private:
    int number_;
    QString text_;
};

// Every error number the runtime, the engine and the controls raise, and that
// the program's handlers test; the texts are in errorText (runtime) and the
// engine's own table.
namespace err {
// The runtime and the controls.
inline constexpr int InvalidProcedureCall = 5;
inline constexpr int Overflow = 6;
inline constexpr int OutOfMemory = 7;
inline constexpr int SubscriptOutOfRange = 9;
inline constexpr int DivisionByZero = 11;
inline constexpr int TypeMismatch = 13;
inline constexpr int DeviceIo = 57;
inline constexpr int ObjectNotSet = 91;
inline constexpr int InvalidUseOfNull = 94;
inline constexpr int InvalidPropertyValue = 380;
inline constexpr int InvalidPropertyArrayIndex = 381;
inline constexpr int InvalidRowValue = 30009;   // grid
inline constexpr int InvalidColValue = 30010;
// The database engine.
inline constexpr int Reserved = 3000;
inline constexpr int UpdateWithoutAddNew = 3020;
inline constexpr int NoCurrentRecord = 3021;
inline constexpr int DuplicateKey = 3022;
inline constexpr int FileNotFound = 3024;
inline constexpr int ItemNotFound = 3265;
inline constexpr int RecordDeleted = 3167;
inline constexpr int FieldTooSmall = 3163;
inline constexpr int SyntaxError = 3075;
inline constexpr int TableNotFound = 3078;
inline constexpr int RecordLocked = 3260;
inline constexpr int DataChanged = 3197;
inline constexpr int InvalidBookmark = 3159;
inline constexpr int ReadOnly = 3027;
inline constexpr int UnknownName = 3070;
inline constexpr int NullNotAllowed = 3314;
inline constexpr int RuleViolated = 3317;
inline constexpr int CriteriaTypeMismatch = 3464;
// Also start-up failures the login window maps to its own messages.
inline constexpr int DiskFull = 3026;
inline constexpr int DiskReadError = 3040;
inline constexpr int OlderDatabaseVersion = 3041;
inline constexpr int DiskOrNetworkError = 3043;
inline constexpr int DatabaseDamaged = 3049;
}  // namespace err

}  // namespace vorna
