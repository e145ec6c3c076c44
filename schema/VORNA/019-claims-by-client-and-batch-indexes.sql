-- Claims by client: a claim belongs to every client holding a document whose
-- policy number is the claim's (blanks around either and letter case aside).
-- One row per claim and client, through the client's first such document; the
-- row id joins the claim's number and that document's. A find by CLIENTE reads
-- the client's documents and then the claims index, never the whole table.
CREATE VIEW SINISTRO_CLIENTE AS
SELECT s.PROCESSO * 2147483648 + d.PROPOSTA AS rowid,
       d.CODCLIENTE AS CLIENTE,
       s.PROCESSO AS PROCESSO,
       s.APOLICE AS APOLICE,
       s.DATA_ENCERRAMENTO AS DATA_ENCERRAMENTO
FROM DOCUMENTOS d
JOIN SINISTRO s ON trim(s.APOLICE, ' ') COLLATE VORNA_NOCASE = trim(d.APOLICE, ' ')
WHERE d.CODCLIENTE IS NOT NULL
  AND trim(d.APOLICE, ' ') <> ''
  AND NOT EXISTS (SELECT 1 FROM DOCUMENTOS e
                  WHERE e.CODCLIENTE = d.CODCLIENTE AND e.PROPOSTA < d.PROPOSTA
                    AND trim(e.APOLICE, ' ') COLLATE VORNA_NOCASE = trim(d.APOLICE, ' '));

-- The batch routines walk the documents in force and the policies in force in
-- key order: each index gives its rows in that order.
CREATE INDEX DOCUMENTOS_VIGENTE ON DOCUMENTOS (VIGENTE COLLATE VORNA_NOCASE);
CREATE INDEX DOCUMENTOS_TIPO_VIGENTE ON DOCUMENTOS (TIPO COLLATE VORNA_NOCASE, VIGENTE COLLATE VORNA_NOCASE);

-- The agenda and listing reports select by term dates and instalment due dates.
CREATE INDEX DOCUMENTOS_VIGENCIAINICIAL ON DOCUMENTOS (VIGENCIAINICIAL);
CREATE INDEX DOCUMENTOS_VIGENCIAFINAL ON DOCUMENTOS (VIGENCIAFINAL);
CREATE INDEX PARCELAS_DV1 ON PARCELAS (DV1);
