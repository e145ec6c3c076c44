-- The rows of a new installation.
--
-- The settings row: the fields that receive a default at start-up (the four
-- operation passwords, the cost, language and mail options and the three IOF
-- rates) are left Null, so the first start fills and stores them.
INSERT INTO REGISTRO (NOME, FILIAL) VALUES ('CORRETORA DE SEGUROS', 1);

-- The three level codes as the level-code window stores them:
-- level 1 MASTER, level 2 MEDIAS, level 3 MINIMA.
INSERT INTO DAMUS (NOTRE1, NOTRE2, NOTRE3) VALUES ('NVEJHQ', 'ZVJXQH', 'ZVQKVZ');

-- The first user, identification ADMIN: every right but the two that restrict
-- (OCU hides commissions, BXR is stored only).
INSERT INTO USUARIOS (NOME, USUA,
    ICC, ACC, CCC, ECC, PCC, ICN, ACN, CCN, ECN, PCN, ICD, ACD, CCD, ECD, PCD,
    ICS, ACS, CCS, ECS, PCS, ICP, ACP, CCP, ECP, PCP, ICU, ACU, CCU, ECU, ACW,
    ICR, ACR, CCR, ECR, ICA, ACA, CCA, PCA, CGE, PRM, PEM, PRA, PRF, OCU, BXR)
VALUES ('ADMIN', 'Administrador',
    'S', 'S', 'S', 'S', 'S', 'S', 'S', 'S', 'S', 'S', 'S', 'S', 'S', 'S', 'S',
    'S', 'S', 'S', 'S', 'S', 'S', 'S', 'S', 'S', 'S', 'S', 'S', 'S', 'S', 'S',
    'S', 'S', 'S', 'S', 'S', 'S', 'S', 'S', 'S', 'S', 'S', 'S', 'S', 'N', 'N');
