-- The central directory database (zuv_mob): where each company's database lives and how its
-- application users' passwords are stored.

CREATE TABLE m_firma (
    nume_firma varchar(200) PRIMARY KEY, -- looked up by exact, case-sensitive equality
    ip text,                             -- host of the company's database server
    port integer,                        -- NULL or 0: the default port
    db_name text,
    activ boolean NOT NULL DEFAULT true,
    m_site boolean NOT NULL DEFAULT false,
    pw_hash_type varchar(23)             -- 'HashSHA2': passwords are SHA-256 digests
);
