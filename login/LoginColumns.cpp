#include "login/LoginColumns.h"

namespace login {

namespace {

using K = db::FieldKind;

struct Column {
    const char* name;
    K kind;
    int length;
};

template <std::size_t N>
std::vector<db::FieldDef> fieldsOf(const Column (&columns)[N])
{
    std::vector<db::FieldDef> fields;
    fields.reserve(N);
    for (const Column& c : columns)
        fields.push_back({QString::fromLatin1(c.name), c.kind, c.length, false});
    return fields;
}

// Every column the login queries expect from their "select *"; a column missing from the server's
// table, or of another kind, makes the query fail to open.
const Column emitentColumns[] = {
    {"emitent", K::Text, 100},
    {"emitent_corect", K::Text, 100},
    {"operator_parola", K::Text, 256},
    {"cod_casier_pos", K::Text, 10},
    {"banca_eu_default", K::Text, 100},
    {"cont_banca_eu_default", K::Text, 28},
    {"casa", K::Text, 50},
    {"moneda", K::Text, 3},
    {"magazie_sursa_default", K::Text, 5},
    {"magazie_dest_default", K::Text, 5},
    {"functie", K::Text, 30},
    {"eu_punct_lucru", K::Text, 50},
    {"com_int", K::Text, 25},
    {"loc", K::Text, 25},
    {"nr_obiect", K::Text, 20},
    {"ci_nume", K::Text, 30},
    {"ci_serie", K::Text, 3},
    {"ci_nr", K::Text, 25},
    {"ci_elib", K::Text, 25},
    {"cnp", K::Text, 25},
    {"transport_mijloc", K::Text, 25},
    {"transport_nr", K::Text, 25},
    {"em_email_adr", K::Text, 50},
    {"tel_fix", K::Text, 30},
    {"tel_mobil", K::Text, 30},
    {"em_outgoing_email_server", K::Text, 50},
    {"em_outgoing_email_user", K::Text, 50},
    {"em_outgoing_email_psw", K::Text, 50},
    {"lang", K::Text, 15},
    {"rol_web", K::Text, 25},
    {"rol_win", K::Text, 25},
    {"web_theme", K::Text, 25},
    {"este_emitent", K::Boolean, 0},
    {"este_operator", K::Boolean, 0},
    {"este_comisionar", K::Boolean, 0},
    {"este_sofer", K::Boolean, 0},
    {"da_nu_schimbare_pl", K::Boolean, 0},
    {"da_nu_adaugare_partener", K::Boolean, 0},
    {"da_nu_adaugare_articol", K::Boolean, 0},
    {"da_nu_acces_la_politica_pret", K::Boolean, 0},
    {"da_nu_modif_data_listare", K::Boolean, 0},
    {"da_nu_acces_limita_creditare", K::Boolean, 0},
    {"prez_of_stoc_fact_cl", K::Boolean, 0},
    {"prez_of_stoc_av_exp", K::Boolean, 0},
    {"prez_of_stoc_bte", K::Boolean, 0},
    {"prez_of_stoc_bc", K::Boolean, 0},
    {"pret_fact_cl_cu_tva", K::Boolean, 0},
    {"da_nu_fact_pe_calc", K::Boolean, 0},
    {"da_nu_modif_nr_fact_pe_calc", K::Boolean, 0},
    {"da_nu_fact_autocopy", K::Boolean, 0},
    {"da_nu_aviz_autocopy", K::Boolean, 0},
    {"da_nu_modif_data_livrare", K::Boolean, 0},
    {"da_nu_fact_ci_rosu", K::Boolean, 0},
    {"em_outgoing_email_secure", K::Boolean, 0},
    {"em_outlook", K::Boolean, 0},
    {"discontinued", K::Boolean, 0},
    {"vede_pret_stoc", K::Boolean, 0},
    {"da_nu_generare_op", K::Boolean, 0},
    {"nr_zile_prezentare_doc", K::Integer, 0},
    {"em_outgoing_email_port", K::Integer, 0},
    {"proc_comisionar", K::Float, 0},
    {"ci_data_elib", K::Date, 0},
    {"data_ins", K::Date, 0},
    {"data_export", K::DateTime, 0},
    {"data_import", K::DateTime, 0},
};

const Column aplicatieMobColumns[] = {
    {"aplicatie_mob", K::Text, 100},
    {"obs", K::LongText, 0},
    {"activ", K::Boolean, 0},
};

const Column aplicatieMobEmitentColumns[] = {
    {"aplicatie_mob", K::Text, 100},
    {"emitent", K::Text, 100},
    {"rol", K::LongText, 0},
};

const Column euColumns[] = {
    {"cod_cci", K::Text, 20},
    {"atribut_fiscal", K::Text, 3},
    {"tip_societate", K::Text, 20},
    {"reg_comert_jud", K::Text, 5},
    {"reg_comert_nr", K::Text, 7},
    {"reg_comert_jud_suc", K::Text, 5},
    {"reg_comert_nr_suc", K::Text, 7},
    {"cnp_a", K::Text, 13},
    {"eu", K::Text, 100},
    {"eu_sediu", K::Text, 30},
    {"trezoreria", K::Text, 100},
    {"trezoreria_cont", K::Text, 28},
    {"tara", K::Text, 3},
    {"localit", K::Text, 30},
    {"adresa", K::Text, 100},
    {"telefon", K::Text, 50},
    {"fax", K::Text, 50},
    {"email_adr", K::Text, 50},
    {"web_adr", K::Text, 50},
    {"nr_insp_munca", K::Text, 15},
    {"formula_calcul_co", K::Text, 30},
    {"formula_calcul_avans_q", K::Text, 30},
    {"nr_autorizatie_alcool", K::Text, 30},
    {"metoda_stoc", K::Text, 4},
    {"tip_contabilitate", K::Text, 20},
    {"strada", K::Text, 50},
    {"nr_strada", K::Text, 10},
    {"bloc", K::Text, 10},
    {"scara", K::Text, 5},
    {"etaj", K::Text, 5},
    {"apt", K::Text, 5},
    {"sector", K::Text, 1},
    {"cod_postal_adresa", K::Text, 6},
    {"sup_eu_denumire", K::Text, 100},
    {"sup_eu_cui", K::Text, 13},
    {"eu_cui", K::Text, 13},
    {"eu_cif", K::Text, 13},
    {"eu_reprezentant_legal", K::Text, 100},
    {"cod_caen", K::Text, 6},
    {"tip_administrare_soc", K::Text, 50},
    {"capital_social", K::Text, 100},
    {"casa_asig_sanatate", K::Text, 2},
    {"nr_licenta_turism", K::Text, 20},
    {"mod_plata_tva", K::Text, 20},
    {"gln", K::Text, 13},
    {"reges_cod_tip_angajator", K::Text, 20},
    {"reges_cod_forma_organizare", K::Text, 70},
    {"reges_cod_forma_juridica", K::Text, 48},
    {"reges_cod_tip_societate", K::Text, 30},
    {"reges_cod_forma_proprietate", K::Text, 8},
    {"reges_cod_act_id_pf", K::Text, 25},
    {"jas_ip", K::LongText, 0},
    {"jas_ip_ext", K::LongText, 0},
    {"da_nu_modif_ore_prez", K::Boolean, 0},
    {"da_nu_dimin_avans_cu_ret", K::Boolean, 0},
    {"da_nu_scadere_stoc_in_viitor", K::Boolean, 0},
    {"da_nu_impozit_profit", K::Boolean, 0},
    {"da_nu_nevoi_firma", K::Boolean, 0},
    {"da_nu_platitor_tva_in_vama", K::Boolean, 0},
    {"prez_of_stoc_fact_cl", K::Boolean, 0},
    {"da_nu_postcalcul", K::Boolean, 0},
    {"prez_of_stoc_av_exp", K::Boolean, 0},
    {"prez_of_stoc_bte", K::Boolean, 0},
    {"prez_of_stoc_bc", K::Boolean, 0},
    {"pret_fact_cl_cu_tva", K::Boolean, 0},
    {"pret_nir_cu_tva", K::Boolean, 0},
    {"pret_cmd_client_cu_tva", K::Boolean, 0},
    {"da_nu_tva_neexigibil", K::Boolean, 0},
    {"da_nu_list_fact_pr_ctl", K::Boolean, 0},
    {"da_nu_list_fact_neop_stoc", K::Boolean, 0},
    {"da_nu_bon_pe_calc", K::Boolean, 0},
    {"da_nu_cmd_pe_extrasb", K::Boolean, 0},
    {"da_nu_fact_pe_calc", K::Boolean, 0},
    {"da_nu_fact_autocopy", K::Boolean, 0},
    {"da_nu_aviz_autocopy", K::Boolean, 0},
    {"da_nu_nir_in_mag_dest", K::Boolean, 0},
    {"da_nu_politica_pret_punct_lucru", K::Boolean, 0},
    {"da_nu_nota_c_fara_restrictie", K::Boolean, 0},
    {"da_nu_mon_cont_tip_doc", K::Boolean, 0},
    {"da_nu_balanta_pe_obiective", K::Boolean, 0},
    {"da_nu_rezervare_stoc", K::Boolean, 0},
    {"da_nu_contare_avz_c", K::Boolean, 0},
    {"da_nu_contare_nirad", K::Boolean, 0},
    {"da_nu_autoinchidere_cmd_client", K::Boolean, 0},
    {"da_nu_autoinchidere_cmd_furn", K::Boolean, 0},
    {"da_nu_institutie_publica", K::Boolean, 0},
    {"da_nu_balanta_pe_subunitati", K::Boolean, 0},
    {"da_nu_b_casa_stoc", K::Boolean, 0},
    {"da_nu_b_casa_articol", K::Boolean, 0},
    {"da_nu_salarii_in_postcalcul", K::Boolean, 0},
    {"da_nu_turism_in_comision", K::Boolean, 0},
    {"da_nu_confirmare_comanda", K::Boolean, 0},
    {"da_nu_micro_intreprindere", K::Boolean, 0},
    {"da_nu_tva_nededus_cont_separat", K::Boolean, 0},
    {"formula_calcul_penalitati", K::Integer, 0},
    {"rotunjire_avans", K::Integer, 0},
    {"rotunjire_lichidare", K::Integer, 0},
    {"nr_pers_hand_suta_ang", K::Float, 0},
    {"proc_avans_co", K::Float, 0},
    {"proc_avans", K::Float, 0},
    {"proc_diminuare_bugetari", K::Float, 0},
    {"proc_impozit_profit", K::Float, 0},
    {"proc_deductibilitate", K::Float, 0},
    {"norma", K::Float, 0},
    {"val_limita_casa_lei", K::Float, 0},
    {"proc_penaliz_intirziere", K::Float, 0},
    {"cod_forma_proprietate", K::Float, 0},
    {"cod_forma_organizare", K::Float, 0},
    {"cod_tip_societate", K::Float, 0},
    {"cod_siruta", K::Float, 0},
    {"reg_comert_data", K::Date, 0},
    {"reg_comert_data_suc", K::Date, 0},
    {"data_incep_activitate", K::Date, 0},
    {"data_gen_fact", K::Date, 0},
    {"data_denominare", K::Date, 0},
    {"data_avans", K::Date, 0},
    {"data_lichidare", K::Date, 0},
};

const Column zuvMobilColumns[] = {
    {"nume_firma", K::Text, 200},
    {"ip", K::LongText, 0},
    {"port", K::Integer, 0},
    {"db_name", K::LongText, 0},
    {"activ", K::Boolean, 0},
    {"m_site", K::Boolean, 0},
    {"pw_hash_type", K::Text, 23},
};

} // namespace

std::vector<db::FieldDef> emitentFields() { return fieldsOf(emitentColumns); }
std::vector<db::FieldDef> aplicatieMobFields() { return fieldsOf(aplicatieMobColumns); }
std::vector<db::FieldDef> aplicatieMobEmitentFields() { return fieldsOf(aplicatieMobEmitentColumns); }
std::vector<db::FieldDef> euFields() { return fieldsOf(euColumns); }
std::vector<db::FieldDef> zuvMobilFields() { return fieldsOf(zuvMobilColumns); }

} // namespace login
