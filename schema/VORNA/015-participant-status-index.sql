-- The holder search finds by name among the holders, in table order. On the
-- status-and-name index that order needs every holder read and sorted again at
-- each step of the find; on the status alone the index is already in table
-- order within a status, so a step reads only the rows it moves over.
CREATE INDEX IF NOT EXISTS VIDASAU_SITUACAO ON VIDASAU (SITUACAO COLLATE VORNA_NOCASE);
