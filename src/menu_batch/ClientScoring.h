#pragma once
#include "menu_batch/MenuTables.h"

#include <QDate>
#include <array>

namespace vorna::menu_batch {

// What a client's documents add up to for its scores.
struct ScoreCounts {
    long documents = 0;        // every document, any type and status
    long vehiclePolicies = 0;  // lines 311, 312, 313, policies in force
    long otherPolicies = 0;    // other lines, policies in force
    long carnet = 0;           // CARNET "S"
    long debitOrCheque = 0;    // CARNET "N" or "C"
    double instalmentSum = 0;  // PARCELAS, each as a 16-bit whole number
    double commissionSum = 0;  // PCOMISSAO

    // Counts one document; an empty instalment count or commission is the
    // runtime's error 94, an instalment count beyond 16 bits error 6.
    void add(const Variant& line, const Variant& type, const Variant& status, const Variant& instalments,
             const Variant& payment, const Variant& commission);
};

// The score of each field from its measure.
int policyScore(long vehiclePolicies, long otherPolicies);   // SCO5
int instalmentScore(double averageInstalments);              // SCO6
int paymentScore(long carnet, long debitOrCheque);           // SCO7
int commissionScore(double averageCommission);               // SCO8
int ageScore(int age);                                       // SCO9
// The year of today less the birth year; 0 without a birth date.
int ageInYears(const Variant& birthDate, const QDate& today);

// SCO1 to SCO10 of a client with documents (counts.documents > 0); claimFlag is
// 1 with a claim, 2 without.
std::array<int, 10> clientScores(const ScoreCounts& counts, int age, int claimFlag);

// The claims by client that the scoring searches.
inline const QString ClaimsByClient = QStringLiteral("SINISTRO_CLIENTE");

// Gives every client its ten profile scores, then "TAREFA ENCERRADA!".
void ScoreClients(MenuTables& tables);

}  // namespace vorna::menu_batch
