-- Demo data for a company database. psql variable: password_form, 'sha2' for passwords stored as
-- SHA-256 digests, anything else for plain passwords. The user "demo" has the password "demo".
INSERT INTO emitent (emitent, operator_parola, eu_punct_lucru, este_emitent, este_operator, data_ins)
SELECT 'demo',
       CASE WHEN :'password_form' = 'sha2' THEN encode(sha256('demo'::bytea), 'hex') ELSE 'demo' END,
       'Sediu central', true, true, current_date;

INSERT INTO aplicatie_mob (aplicatie_mob, obs, activ) VALUES ('wTalvera', 'Import incasari', true);
INSERT INTO aplicatie_mob_emitent (aplicatie_mob, emitent, rol) VALUES ('WTALVERA', 'demo', 'contabil');
INSERT INTO eu (eu, eu_cui, jas_ip, localit) VALUES ('Demo SRL', 'RO1234567', 'rapoarte.demo.local', 'Cluj-Napoca');

-- Invoices that the demo workbook's receipts pay, dated over the last weeks.
INSERT INTO doc (data_doc, tip_doc, nr_doc, val_mon, moneda, partener)
SELECT current_date - (n * 3), CASE WHEN n % 3 = 0 THEN 'FactCE' ELSE 'FactCI' END,
       'F' || lpad(n::text, 5, '0'), 100 * n + 0.5, 'RON', 'Partener ' || n
FROM generate_series(1, 12) AS n;

-- Receipts already taken in, one of them with its document generated.
SELECT o_incasari_deb_cred_diversi_log_ins(json_agg(json_build_object(
    'dataDoc', to_char(current_date - n, 'DD.MM.YYYY'), 'nrDoc', 'CH' || lpad(n::text, 4, '0'),
    'orderId', 'CMD-' || n, 'sumaIncasata', (50 * n)::text, 'moneda', 'RON',
    'partenerDoc', 'Partener ' || n, 'contSintetic', '5311', 'contAnalitic', '5311.01',
    'debCred', 'Debitor ' || n, 'nrFactZuv', 'F' || lpad(n::text, 5, '0'),
    'numeFisier', 'incasari-demo.xlsx') ORDER BY n)::text)
FROM generate_series(1, 5) AS n;
SELECT o_generare_incasare_deb_cred_diversi('demo', current_date - 1, 'CH0001');
