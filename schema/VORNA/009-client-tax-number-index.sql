-- The client window looks for another client holding a CPF or CNPJ each time
-- the number's box is left. The engine compares texts without letter case, so
-- the index carries the engine's collation to serve that equality.
CREATE INDEX CLIENTES_CPF ON CLIENTES (CPF COLLATE VORNA_NOCASE);
