-- A large company database for the receipt log benchmark: 1,000,000 documents (600,000 invoices,
-- 400,000 receipt documents) and 1,000,000 log rows spread over ten years.
SELECT setseed(0.42);

INSERT INTO doc (data_doc, tip_doc, nr_doc, val_mon, moneda, partener)
SELECT date '2016-01-01' + (random() * 3649)::int,
       CASE WHEN n % 2 = 0 THEN 'FactCI' ELSE 'FactCE' END,
       'F' || (n % 450000),          -- some numbers carry several documents
       round((random() * 5000)::numeric, 2), 'RON', 'Partener ' || (n % 20000)
FROM generate_series(1, 600000) AS n;

INSERT INTO log_incasari_deb_cred_diversi (data_log, data_ch_inc, nr_ch_inc, order_id, suma_incasata,
    moneda, partener_ch_inc, cont_sintetic, cont_analitic, debitor_creditor, nr_fact_zuv, nume_fisier)
SELECT timestamp '2016-01-01' + (n % 3650) * interval '1 day',
       date '2016-01-01' + (n % 3650),
       'CH-' || lpad(n::text, 16, '0'),
       'CMD-' || n,
       CASE WHEN n % 5 = 0 THEN -(n % 900) ELSE n % 900 END,
       'RON', 'Partener ' || (n % 20000), '461', '461.01', 'Debitor',
       'F' || ((n * 7) % 450000),
       'incasari-' || (n % 3650) || '.xlsx'
FROM generate_series(1, 1000000) AS n;

-- Receipt documents for 40% of the log rows.
INSERT INTO doc (data_doc, tip_doc, nr_doc, val_mon, moneda, partener)
SELECT l.data_ch_inc,
       CASE WHEN l.suma_incasata >= 0 THEN 'Ch_INC' ELSE 'Ch_PL' END,
       right(l.nr_ch_inc, 15), l.suma_incasata, 'RON', l.partener_ch_inc
FROM log_incasari_deb_cred_diversi l
WHERE substr(l.nr_ch_inc, 4)::bigint % 5 < 2;

-- What autovacuum would have done on a settled database (the sandbox runs without it): the
-- statistics, and the visibility map that lets index-only scans skip the table.
VACUUM ANALYZE doc;
VACUUM ANALYZE log_incasari_deb_cred_diversi;
