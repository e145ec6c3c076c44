-- The policy number entry finds documents by the number as written, blanks
-- around the stored number and letter case aside (the duplicate check and the
-- endorsement's policy). The engine turns such a find into an equality on this
-- expression with its collation, so it reads the index, not the table.
CREATE INDEX DOCUMENTOS_APOLICE_TRIMMED ON DOCUMENTOS (trim(APOLICE, ' ') COLLATE VORNA_NOCASE);
