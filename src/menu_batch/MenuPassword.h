#pragma once
#include <QString>
#include <cstdint>

// The main menu's password panel: the action waiting for a password and what
// an entry in its box makes of it.
namespace vorna::menu_batch {

namespace menu_password {
inline constexpr int16_t None = 0;
inline constexpr int16_t ShowSettlements = 1;
inline constexpr int16_t Archive = 2;
// The archiving word, compared exactly as typed.
inline const QString ArchivingWord = QStringLiteral("JUSTAP");
inline const QString SettlementsRefused = QStringLiteral("AS BAIXAS NÃO SERÃO EXIBIDAS!");
inline const QString ArchivingRefused = QStringLiteral("ARQUIVAMENTO NÃO DISPONÍVEL!");
}  // namespace menu_password

struct MenuPasswordOutcome {
    enum class Kind {
        Ignored,    // no action waits: the panel keeps its state
        Cancelled,  // a blank entry: the panel closes, the action and the entry stay
        Accepted,   // the panel closes, the box is emptied, the action cleared
        Refused,    // the same after the refusal message
    };
    Kind kind = Kind::Ignored;
    QString refusal;  // the message of a refusal ("ATENÇÃO", OK)
};

// The settlements' password is compared without the blanks around either side;
// the archiving word exactly, blanks and letter case counting.
MenuPasswordOutcome checkMenuPassword(int16_t action, const QString& entry, const QString& settlementPassword);

}  // namespace vorna::menu_batch
