#pragma once
#include "platform/database/Recordset.h"
#include "platform/runtime/Variant.h"

#include <cstdint>

// One client's documents counted and its policies' net premium and commission
// totalled, overall and for the policies in force.
namespace vorna::menu_batch {

struct ClientPolicyTotals {
    Variant ClientDocumentCount;
    Variant ClientPolicyPremium;
    Variant ClientPolicyCommission;
    Variant ClientInForceCount;
    Variant ClientInForcePremium;
    double ClientInForceCommission = 0;
};

// Adds one document (its TIPO, VIGENTE, PREMIOLIQ and VCOMISSAO) to the
// figures, in the order the figures are taken. An empty premium or commission
// adds nothing, except that the commission of a policy in force must be a
// number: an empty one raises (94) after the other figures of the document.
void addDocumentToTotals(ClientPolicyTotals& totals, const Variant& type, const Variant& status,
                         const Variant& netPremium, const Variant& commission);

// Sets the figures to 0 and adds every document whose CODCLIENTE is the code,
// found in the documents recordset. An error ends it and reaches the caller;
// the figures keep what they held then.
void ComputeClientPolicyTotals(int32_t clientCode, db::Recordset& documents, ClientPolicyTotals& totals);

}  // namespace vorna::menu_batch
