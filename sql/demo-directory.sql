-- The demo companies in the directory. psql variables: host, port (the sandbox server's).
INSERT INTO m_firma (nume_firma, ip, port, db_name, activ, m_site, pw_hash_type) VALUES
    ('Demo SRL', :'host', :port, 'zuv_demo', true, false, 'HashSHA2'),
    ('Firma Doi SRL', :'host', :port, 'zuv_demo2', true, false, NULL);
