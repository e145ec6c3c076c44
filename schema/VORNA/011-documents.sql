-- The claim flag of a shown document finds claims by the policy number as
-- written, blanks around the stored number and letter case aside. The engine
-- turns such a find into an equality on this expression with its collation,
-- so it reads the index and not the whole table.
CREATE INDEX SINISTRO_APOLICE_TRIMMED ON SINISTRO (trim(APOLICE, ' ') COLLATE VORNA_NOCASE);
