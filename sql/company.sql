-- A company database, as far as wTalvera relies on it: the application users and applications
-- checked at login, the company record, documents, and the receipt log with the two functions
-- that fill it and turn its rows into receipt documents.

-- Application users.
CREATE TABLE emitent (
    emitent varchar(100),
    emitent_corect varchar(100),
    operator_parola varchar(256),
    cod_casier_pos varchar(10),
    banca_eu_default varchar(100),
    cont_banca_eu_default varchar(28),
    casa varchar(50),
    moneda varchar(3),
    magazie_sursa_default varchar(5),
    magazie_dest_default varchar(5),
    functie varchar(30),
    eu_punct_lucru varchar(50),
    com_int varchar(25),
    loc varchar(25),
    nr_obiect varchar(20),
    ci_nume varchar(30),
    ci_serie varchar(3),
    ci_nr varchar(25),
    ci_elib varchar(25),
    cnp varchar(25),
    transport_mijloc varchar(25),
    transport_nr varchar(25),
    em_email_adr varchar(50),
    tel_fix varchar(30),
    tel_mobil varchar(30),
    em_outgoing_email_server varchar(50),
    em_outgoing_email_user varchar(50),
    em_outgoing_email_psw varchar(50),
    lang varchar(15),
    rol_web varchar(25),
    rol_win varchar(25),
    web_theme varchar(25),
    este_emitent boolean,
    este_operator boolean,
    este_comisionar boolean,
    este_sofer boolean,
    da_nu_schimbare_pl boolean,
    da_nu_adaugare_partener boolean,
    da_nu_adaugare_articol boolean,
    da_nu_acces_la_politica_pret boolean,
    da_nu_modif_data_listare boolean,
    da_nu_acces_limita_creditare boolean,
    prez_of_stoc_fact_cl boolean,
    prez_of_stoc_av_exp boolean,
    prez_of_stoc_bte boolean,
    prez_of_stoc_bc boolean,
    pret_fact_cl_cu_tva boolean,
    da_nu_fact_pe_calc boolean,
    da_nu_modif_nr_fact_pe_calc boolean,
    da_nu_fact_autocopy boolean,
    da_nu_aviz_autocopy boolean,
    da_nu_modif_data_livrare boolean,
    da_nu_fact_ci_rosu boolean,
    em_outgoing_email_secure boolean,
    em_outlook boolean,
    discontinued boolean,
    vede_pret_stoc boolean,
    da_nu_generare_op boolean,
    nr_zile_prezentare_doc integer,
    em_outgoing_email_port integer,
    proc_comisionar double precision,
    ci_data_elib date,
    data_ins date,
    data_export timestamp,
    data_import timestamp
);
CREATE INDEX emitent_emitent_idx ON emitent (emitent);

-- Applications enabled for the company; names are matched without regard to case.
CREATE TABLE aplicatie_mob (
    aplicatie_mob varchar(100) NOT NULL,
    obs text,
    activ boolean NOT NULL DEFAULT true
);
CREATE INDEX aplicatie_mob_lower_idx ON aplicatie_mob (lower(aplicatie_mob));

-- Which user may use which application, and with what role.
CREATE TABLE aplicatie_mob_emitent (
    aplicatie_mob varchar(100) NOT NULL,
    emitent varchar(100) NOT NULL,
    rol text
);
CREATE INDEX aplicatie_mob_emitent_idx ON aplicatie_mob_emitent (emitent, lower(aplicatie_mob));

-- The company's own record; one row.
CREATE TABLE eu (
    cod_cci varchar(20),
    atribut_fiscal varchar(3),
    tip_societate varchar(20),
    reg_comert_jud varchar(5),
    reg_comert_nr varchar(7),
    reg_comert_jud_suc varchar(5),
    reg_comert_nr_suc varchar(7),
    cnp_a varchar(13),
    eu varchar(100),
    eu_sediu varchar(30),
    trezoreria varchar(100),
    trezoreria_cont varchar(28),
    tara varchar(3),
    localit varchar(30),
    adresa varchar(100),
    telefon varchar(50),
    fax varchar(50),
    email_adr varchar(50),
    web_adr varchar(50),
    nr_insp_munca varchar(15),
    formula_calcul_co varchar(30),
    formula_calcul_avans_q varchar(30),
    nr_autorizatie_alcool varchar(30),
    metoda_stoc varchar(4),
    tip_contabilitate varchar(20),
    strada varchar(50),
    nr_strada varchar(10),
    bloc varchar(10),
    scara varchar(5),
    etaj varchar(5),
    apt varchar(5),
    sector varchar(1),
    cod_postal_adresa varchar(6),
    sup_eu_denumire varchar(100),
    sup_eu_cui varchar(13),
    eu_cui varchar(13),
    eu_cif varchar(13),
    eu_reprezentant_legal varchar(100),
    cod_caen varchar(6),
    tip_administrare_soc varchar(50),
    capital_social varchar(100),
    casa_asig_sanatate varchar(2),
    nr_licenta_turism varchar(20),
    mod_plata_tva varchar(20),
    gln varchar(13),
    reges_cod_tip_angajator varchar(20),
    reges_cod_forma_organizare varchar(70),
    reges_cod_forma_juridica varchar(48),
    reges_cod_tip_societate varchar(30),
    reges_cod_forma_proprietate varchar(8),
    reges_cod_act_id_pf varchar(25),
    jas_ip text,
    jas_ip_ext text,
    da_nu_modif_ore_prez boolean,
    da_nu_dimin_avans_cu_ret boolean,
    da_nu_scadere_stoc_in_viitor boolean,
    da_nu_impozit_profit boolean,
    da_nu_nevoi_firma boolean,
    da_nu_platitor_tva_in_vama boolean,
    prez_of_stoc_fact_cl boolean,
    da_nu_postcalcul boolean,
    prez_of_stoc_av_exp boolean,
    prez_of_stoc_bte boolean,
    prez_of_stoc_bc boolean,
    pret_fact_cl_cu_tva boolean,
    pret_nir_cu_tva boolean,
    pret_cmd_client_cu_tva boolean,
    da_nu_tva_neexigibil boolean,
    da_nu_list_fact_pr_ctl boolean,
    da_nu_list_fact_neop_stoc boolean,
    da_nu_bon_pe_calc boolean,
    da_nu_cmd_pe_extrasb boolean,
    da_nu_fact_pe_calc boolean,
    da_nu_fact_autocopy boolean,
    da_nu_aviz_autocopy boolean,
    da_nu_nir_in_mag_dest boolean,
    da_nu_politica_pret_punct_lucru boolean,
    da_nu_nota_c_fara_restrictie boolean,
    da_nu_mon_cont_tip_doc boolean,
    da_nu_balanta_pe_obiective boolean,
    da_nu_rezervare_stoc boolean,
    da_nu_contare_avz_c boolean,
    da_nu_contare_nirad boolean,
    da_nu_autoinchidere_cmd_client boolean,
    da_nu_autoinchidere_cmd_furn boolean,
    da_nu_institutie_publica boolean,
    da_nu_balanta_pe_subunitati boolean,
    da_nu_b_casa_stoc boolean,
    da_nu_b_casa_articol boolean,
    da_nu_salarii_in_postcalcul boolean,
    da_nu_turism_in_comision boolean,
    da_nu_confirmare_comanda boolean,
    da_nu_micro_intreprindere boolean,
    da_nu_tva_nededus_cont_separat boolean,
    formula_calcul_penalitati integer,
    rotunjire_avans integer,
    rotunjire_lichidare integer,
    nr_pers_hand_suta_ang double precision,
    proc_avans_co double precision,
    proc_avans double precision,
    proc_diminuare_bugetari double precision,
    proc_impozit_profit double precision,
    proc_deductibilitate double precision,
    norma double precision,
    val_limita_casa_lei double precision,
    proc_penaliz_intirziere double precision,
    cod_forma_proprietate double precision,
    cod_forma_organizare double precision,
    cod_tip_societate double precision,
    cod_siruta double precision,
    reg_comert_data date,
    reg_comert_data_suc date,
    data_incep_activitate date,
    data_gen_fact date,
    data_denominare date,
    data_avans date,
    data_lichidare date
);

-- Documents: invoices (FactCI issued to customers, FactCE received from suppliers) and receipt
-- documents (Ch_INC for money received, Ch_PL for money paid). A receipt document points at the
-- invoice it pays.
CREATE TABLE doc (
    id bigserial PRIMARY KEY,
    data_doc date NOT NULL,
    tip_doc varchar(7) NOT NULL,
    nr_doc varchar(15) NOT NULL,
    val_mon double precision NOT NULL DEFAULT 0,
    moneda varchar(3),
    partener varchar(100),
    emitent varchar(100),
    doc_platit_id bigint REFERENCES doc (id),
    data_ins timestamp NOT NULL DEFAULT now()
);
-- The latest-dated document of a type and number (the invoice a receipt pays), with what the
-- receipt log shows of it, so that the listing reads the index alone.
CREATE INDEX doc_tip_nr_data_idx ON doc (tip_doc, nr_doc, data_doc DESC) INCLUDE (val_mon, partener);
-- A document by date, type and number: a log row's receipt document, an invoice's balance.
CREATE INDEX doc_data_tip_nr_idx ON doc (data_doc, tip_doc, nr_doc) INCLUDE (id, val_mon, moneda);
CREATE INDEX doc_platit_idx ON doc (doc_platit_id) WHERE doc_platit_id IS NOT NULL;

-- What is still to be received (or paid) on each invoice: its value less the receipt documents
-- that pay it. Receipts count by their absolute value, whichever way the money went.
CREATE VIEW view_doc_com_rest_curent AS
SELECT f.id,
       f.data_doc,
       f.tip_doc,
       f.nr_doc,
       f.val_mon,
       f.val_mon - coalesce((SELECT sum(abs(p.val_mon))
                             FROM doc p
                             WHERE p.doc_platit_id = f.id
                               AND p.tip_doc IN ('Ch_INC', 'Ch_PL')), 0) AS rest_mon_com
FROM doc f
WHERE f.tip_doc IN ('FactCI', 'FactCE');

-- Receipts and payments taken in from workbooks, one row per workbook row. The receipt date and
-- number identify a receipt; a repeated one is recorded all the same, with the problem noted in
-- err_ins_zuv, so the table has no unique key.
CREATE TABLE log_incasari_deb_cred_diversi (
    data_log timestamp NOT NULL DEFAULT now(),
    data_ch_inc date,
    nr_ch_inc text,
    order_id text,
    suma_incasata double precision,
    moneda text,
    partener_ch_inc text,
    cont_sintetic text,
    cont_analitic text,
    debitor_creditor text,
    nr_fact_zuv text,
    nume_fisier text,
    err_ins_zuv text
);
CREATE INDEX log_incasari_data_nr_idx ON log_incasari_deb_cred_diversi (data_ch_inc, nr_ch_inc);

-- A date as the workbook's cells carry it: day.month.year, optionally with a time of day, or
-- ISO year-month-day. NULL when the text is empty or not such a date.
CREATE FUNCTION zuv_text_to_date(p text) RETURNS date
LANGUAGE plpgsql IMMUTABLE AS $$
DECLARE
    t text := btrim(coalesce(p, ''));
    m text[];
BEGIN
    m := regexp_match(t, '^(\d{1,2})\.(\d{1,2})\.(\d{4})(?:\s+\d{1,2}:\d{2}(?::\d{2})?)?$');
    IF m IS NOT NULL THEN
        RETURN make_date(m[3]::int, m[2]::int, m[1]::int);
    END IF;
    m := regexp_match(t, '^(\d{4})-(\d{1,2})-(\d{1,2})(?:[ T]\d{1,2}:\d{2}(?::\d{2}(?:\.\d+)?)?)?$');
    IF m IS NOT NULL THEN
        RETURN make_date(m[1]::int, m[2]::int, m[3]::int);
    END IF;
    RETURN NULL;
EXCEPTION
    WHEN datetime_field_overflow OR invalid_datetime_format THEN
        RETURN NULL; -- 31.02.2026 and the like
END;
$$;

-- An amount as the workbook's cells carry it: an optional sign, digits, ',' or '.' as the decimal
-- separator, an optional exponent. NULL when the text is empty or not such a number.
CREATE FUNCTION zuv_text_to_amount(p text) RETURNS double precision
LANGUAGE plpgsql IMMUTABLE AS $$
DECLARE
    t text := btrim(coalesce(p, ''));
BEGIN
    IF t !~* '^[+-]?(\d+([.,]\d*)?|[.,]\d+)(e[+-]?\d+)?$' THEN
        RETURN NULL;
    END IF;
    RETURN replace(t, ',', '.')::double precision;
EXCEPTION
    WHEN numeric_value_out_of_range THEN
        RETURN NULL;
END;
$$;

-- Records a workbook's rows in the receipt log. The argument is a JSON array with one object per
-- row (keys dataDoc, nrDoc, orderId, sumaIncasata, moneda, partenerDoc, contSintetic,
-- contAnalitic, debCred, nrFactZuv, numeFisier). Anything that is not such an array is refused
-- whole; a row with problems is recorded with them in err_ins_zuv. One call is one transaction.
-- Returns the number of rows recorded.
CREATE FUNCTION o_incasari_deb_cred_diversi_log_ins(pjsonincasdebcred text) RETURNS integer
LANGUAGE plpgsql AS $$
DECLARE
    payload jsonb;
    item jsonb;
    pos bigint;
    detail text;
    problems text[];
    v_date date;
    v_amount double precision;
    v_nr text;
    v_fact text;
    recorded integer := 0;
BEGIN
    BEGIN
        payload := pjsonincasdebcred::jsonb;
    EXCEPTION WHEN invalid_text_representation OR untranslatable_character THEN
        GET STACKED DIAGNOSTICS detail = PG_EXCEPTION_DETAIL;
        RAISE EXCEPTION 'Datele primite nu sunt JSON valid: %', SQLERRM || coalesce(' (' || nullif(detail, '') || ')', '');
    END;
    IF payload IS NULL OR jsonb_typeof(payload) <> 'array' THEN
        RAISE EXCEPTION 'Datele primite trebuie sa fie o lista JSON de incasari.';
    END IF;

    -- Intakes run one at a time, so that the check for receipts already in the log cannot miss a
    -- row that a concurrent intake is recording.
    PERFORM pg_advisory_xact_lock(hashtext('o_incasari_deb_cred_diversi_log_ins'));

    FOR item, pos IN SELECT e.value, e.ordinality FROM jsonb_array_elements(payload) WITH ORDINALITY AS e LOOP
        IF jsonb_typeof(item) <> 'object' THEN
            RAISE EXCEPTION 'Elementul % al listei nu este un obiect JSON.', pos;
        END IF;
        problems := ARRAY[]::text[];
        v_nr := item ->> 'nrDoc';
        v_fact := item ->> 'nrFactZuv';

        v_date := zuv_text_to_date(item ->> 'dataDoc');
        IF v_date IS NULL THEN
            problems := problems || CASE WHEN btrim(coalesce(item ->> 'dataDoc', '')) = ''
                                         THEN 'Lipseste data incasarii.'
                                         ELSE format('Data incasarii "%s" nu poate fi citita.', item ->> 'dataDoc') END;
        END IF;
        v_amount := zuv_text_to_amount(item ->> 'sumaIncasata');
        IF v_amount IS NULL THEN
            problems := problems || CASE WHEN btrim(coalesce(item ->> 'sumaIncasata', '')) = ''
                                         THEN 'Lipseste suma incasata.'
                                         ELSE format('Suma incasata "%s" nu poate fi citita.', item ->> 'sumaIncasata') END;
        END IF;
        IF coalesce(v_nr, '') = '' THEN
            problems := problems || 'Lipseste numarul incasarii.'::text;
        END IF;
        IF NOT EXISTS (SELECT 1 FROM doc d
                       WHERE d.nr_doc = v_fact AND d.tip_doc IN ('FactCI', 'FactCE')) THEN
            problems := problems || format('Factura "%s" nu exista in ZUV.', coalesce(v_fact, ''));
        END IF;
        IF v_date IS NOT NULL AND coalesce(v_nr, '') <> '' AND EXISTS (
                SELECT 1 FROM log_incasari_deb_cred_diversi l
                WHERE l.data_ch_inc = v_date AND l.nr_ch_inc = v_nr) THEN
            problems := problems || format('Incasarea din %s cu numarul %s exista deja in log.',
                                           to_char(v_date, 'DD.MM.YYYY'), v_nr);
        END IF;

        INSERT INTO log_incasari_deb_cred_diversi (
            data_log, data_ch_inc, nr_ch_inc, order_id, suma_incasata, moneda, partener_ch_inc,
            cont_sintetic, cont_analitic, debitor_creditor, nr_fact_zuv, nume_fisier, err_ins_zuv)
        VALUES (
            now(), v_date, v_nr, item ->> 'orderId', v_amount, item ->> 'moneda',
            item ->> 'partenerDoc', item ->> 'contSintetic', item ->> 'contAnalitic',
            item ->> 'debCred', v_fact, item ->> 'numeFisier',
            nullif(array_to_string(problems, ' '), ''));
        recorded := recorded + 1;
    END LOOP;
    RETURN recorded;
END;
$$;

-- Creates the receipt document for the logged receipt with this date and number, issued by
-- pemitent: Ch_INC for an amount >= 0, Ch_PL otherwise, numbered with the receipt number's last
-- 15 characters, paying the latest-dated FactCI/FactCE invoice of the logged invoice number.
-- Raises an error when there is no such log row, when it has problems noted, or when its document
-- exists already. Returns the new document's id.
CREATE FUNCTION o_generare_incasare_deb_cred_diversi(pemitent text, pdatachinc date, pnrchinc text)
RETURNS bigint
LANGUAGE plpgsql AS $$
DECLARE
    r log_incasari_deb_cred_diversi%ROWTYPE;
    v_tip varchar(7);
    v_nr varchar(15);
    v_fact doc%ROWTYPE;
    v_id bigint;
BEGIN
    IF pdatachinc IS NULL OR coalesce(pnrchinc, '') = '' THEN
        RAISE EXCEPTION 'Data si numarul incasarii sunt obligatorii.';
    END IF;
    -- The same receipt generated by two sessions at once: the second waits, then finds the document.
    PERFORM pg_advisory_xact_lock(hashtext('o_generare_incasare_deb_cred_diversi'),
                                  hashtext(pdatachinc::text || '|' || pnrchinc));

    -- Of rows logged twice, the one without problems is the receipt.
    SELECT * INTO r
    FROM log_incasari_deb_cred_diversi l
    WHERE l.data_ch_inc = pdatachinc AND l.nr_ch_inc = pnrchinc
    ORDER BY coalesce(l.err_ins_zuv, '') <> '', l.data_log
    LIMIT 1;
    IF NOT FOUND THEN
        RAISE EXCEPTION 'Incasarea din % cu numarul % nu exista in log.',
            to_char(pdatachinc, 'DD.MM.YYYY'), pnrchinc;
    END IF;
    IF coalesce(r.err_ins_zuv, '') <> '' THEN
        RAISE EXCEPTION 'Incasarea din % cu numarul % are probleme si nu poate fi importata: %',
            to_char(pdatachinc, 'DD.MM.YYYY'), pnrchinc, r.err_ins_zuv;
    END IF;

    v_tip := CASE WHEN r.suma_incasata >= 0 THEN 'Ch_INC' ELSE 'Ch_PL' END;
    v_nr := right(r.nr_ch_inc, 15);
    IF EXISTS (SELECT 1 FROM doc d
               WHERE d.data_doc = r.data_ch_inc AND d.tip_doc = v_tip AND d.nr_doc = v_nr) THEN
        RAISE EXCEPTION 'Incasarea din % cu numarul % este deja importata (documentul % %).',
            to_char(pdatachinc, 'DD.MM.YYYY'), pnrchinc, v_tip, v_nr;
    END IF;

    SELECT * INTO v_fact
    FROM doc d
    WHERE d.nr_doc = r.nr_fact_zuv AND d.tip_doc IN ('FactCI', 'FactCE')
    ORDER BY d.data_doc DESC, d.id DESC
    LIMIT 1;

    INSERT INTO doc (data_doc, tip_doc, nr_doc, val_mon, moneda, partener, emitent, doc_platit_id)
    VALUES (r.data_ch_inc, v_tip, v_nr, r.suma_incasata, left(r.moneda, 3),
            left(coalesce(v_fact.partener, r.partener_ch_inc), 100), left(pemitent, 100), v_fact.id)
    RETURNING id INTO v_id;
    RETURN v_id;
END;
$$;
