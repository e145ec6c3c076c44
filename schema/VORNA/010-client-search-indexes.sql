-- One index on each field the client window searches by address, city and
-- telephone. A search for a fragment inside a field matches with VORNA_LIKE,
-- which no index can seek: what an index offers it is a narrow copy of the
-- field with the row ids, which a scan asking for row ids only reads instead of
-- the whole client rows. The finds of the engine read whole rows in row-id
-- order and do not use them yet. Declared without the engine's collation so
-- that any connection to the file can still write clients.
CREATE INDEX "CLIENTES_END-RESIDENCIA" ON CLIENTES ("END-RESIDENCIA");
CREATE INDEX "CLIENTES_CID-RESIDENCIA" ON CLIENTES ("CID-RESIDENCIA");
CREATE INDEX "CLIENTES_END-COMERCIAL" ON CLIENTES ("END-COMERCIAL");
CREATE INDEX "CLIENTES_CID-COMERCIAL" ON CLIENTES ("CID-COMERCIAL");
CREATE INDEX "CLIENTES_TEL-RESIDENCIA" ON CLIENTES ("TEL-RESIDENCIA");
CREATE INDEX "CLIENTES_TEL-COMERCIAL" ON CLIENTES ("TEL-COMERCIAL");
CREATE INDEX "CLIENTES_TEL-COMERCIAL2" ON CLIENTES ("TEL-COMERCIAL2");
CREATE INDEX CLIENTES_CELULAR ON CLIENTES (CELULAR);
CREATE INDEX CLIENTES_TELCOMERCIAL3 ON CLIENTES (TELCOMERCIAL3);
