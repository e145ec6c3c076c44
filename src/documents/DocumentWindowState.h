#pragma once
#include "documents/instalments/InstalmentValues.h"
#include "platform/runtime/Variant.h"

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

namespace vorna::documents {

// The prospect values a quotation import keeps for the client it may create:
// one per prospect field as the prospect row holds them, the CPF twice (once
// as the search key, once as the value to store). All Empty before an import.
struct ImportedProspectValues {
    Variant SearchCpf;
    Variant NOME, PRODUTOR, INDICACAO, PROFISSAO, PESSOA, ANIV, SEXO, CIVIL;
    Variant CPF, RG, EXPEDICAO, EMAIL;
    Variant TEL_RESIDENCIA, TEL_COMERCIAL, TEL_COMERCIAL2, CELULAR2, CELULAR1;
    Variant END_RESIDENCIA, CID_RESIDENCIA, CEP_RESIDENCIA, EST_RESIDENCIA, BAIRRO;
    Variant CNH1, PRIMHAB;
};

// The document window's own values. They live with the window object, which
// outlives its controls: closing the window keeps them, so each starts at zero
// (or empty) only at the first opening and carries over unless a step resets it.
struct DocumentWindowState {
    // Action waiting for the password panel: 1 delete the document, 2 change of
    // commission %, 4 change of producer, 7 change of instalment count. The
    // panel sets it back to 0.
    int16_t PendingPasswordAction = 0;
    // Instalment count of the shown document as shown in Text20; 0 after clearing.
    int32_t LoadedInstalmentCount = 0;
    // Commission already received for the shown document; summed from 0 at each show.
    double ReceivedCommission = 0.0;
    // Document number that bounds the instalment deletion (the number in Text1
    // when a deletion ran).
    int32_t InstalmentDeleteLimit = 0;
    // Branch of the header's client: FILCLIENTE of the shown document or FILIAL
    // of the chosen client; 0 at each load and after clearing.
    int32_t ClientBranch = 0;
    // Text of the policy number box Text2 right after a document was shown.
    Variant ShownPolicyNumber;
    // Producer name of slots 1 to 5 before the current edit (index 0 is slot
    // 1): the name as shown, or what the name list held when it got the focus.
    // Slots 1 to 4 are variants, slot 5 a string.
    std::array<Variant, 4> ProducerNameBeforeEdit{};
    QString ProducerNameBeforeEdit5;
    // Commission % in MaskEdBox6 when that box got the focus; put back on a
    // refused password.
    double PreviousCommissionPercent = 0.0;
    // Which search filled the result grid: 1 client-name search, 2 policies by
    // part of the policy number, 3 documents of any type by part of the policy
    // number; 0 before any search.
    int16_t ResultGridMode = 0;
    // Stage of the list fill, choosing its error message: 1 lines, 2 insurers,
    // 3 producers, 4 attendants.
    int16_t ListFillStage = 0;
    // CODIGO of CIAS for co-insurer slots 1 to 3 (index 0 is slot 1), 0 for an
    // empty slot; set afresh by each show, 0 after clearing.
    std::array<int32_t, 3> CoinsurerCodes{};
    // Personal data of the prospect found by the last quotation import. Forgotten
    // by the clearing step and by each show, so it never reaches a later document.
    ImportedProspectValues ImportedProspect;
    // 1 once the header save of a new document has passed its access checks.
    int32_t SaveMode = 0;
    // PROPOSTA of the policy an endorsement was prefilled from.
    int32_t PrefillPolicyNumber = 0;
    // Sum of the header's five producer shares %, 1E-08 when the sum is 0.
    Variant ProducerShareSum;
    // 1 when the "Repasse Antecipado" date box MaskEdBox59 holds a date after a
    // show, else 0; set afresh by each show.
    int32_t AdvancePassOnFlag = 0;
    // The instalment working values the recalculation and the writers share.
    instalments::InstalmentValues Instalments;

    // Producer codes as the code boxes of slots 1 to 4 held them when last
    // entered with a code (index 0 is slot 1), unset when none was; slot 5's as
    // a whole number, 0 when none was. Forgotten by each clearing, so a code
    // remembered on one document never waives the password on another.
    std::array<std::optional<QString>, 4> PreviousProducerCode{};
    int32_t PreviousProducerCode5 = 0;
};

}  // namespace vorna::documents
