#pragma once
#include <QString>

namespace vorna::db {
class Database;
}

namespace vorna::shell {

// The user look-up of the login. The identification typed at login is the
// user's `NOME` in USUARIOS, compared exactly with letter case ignored: every
// character typed stands for itself, wildcards and apostrophes included, since
// the identification acts as the user's password.
//
// Found: the first such row of the table sets the logged-in user's code,
// identification, name and 45 rights; a right whose field is Null is refused
// ("BXR" Null reads "N"). Not found, and any failure of the database while
// looking: nobody is logged in, with no right at all.
enum class UserLookup { Found, NotFound };
UserLookup LookUpUser(const db::Database& mainDatabase, const QString& identification);

// The logged-in user's code, identification, name and rights back to empty.
void ClearLoggedInUser();

}  // namespace vorna::shell
