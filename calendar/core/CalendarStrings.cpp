#include "calendar/core/CalendarStrings.h"

#include <array>

namespace vxcal {

namespace {

struct Block {
    std::array<const char*, 7> weekdays;
    std::array<const char*, 7> weekdays3;
    std::array<const char*, 7> weekdays2;
    std::array<const char*, 12> months;
    std::array<const char*, 12> months3;
};

// Reproduced exactly as the control has always stored them, typing slips included ("Febrauri",
// "Domingo " with its blank, the Icelandic block in its mis-coded form): saved documents and the
// texts users see must not change.
constexpr std::array<Block, kLanguageBlocks> kBlocks{{
    // 0: English
    {{"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"},
     {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"},
     {"Su", "Mo", "Tu", "We", "Th", "Fr", "Sa"},
     {"January", "February", "March", "April", "May", "June", "July", "August", "September", "October",
      "November", "December"},
     {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"}},
    // 48: French
    {{"Dimanche", "Lundi", "Mardi", "Mercredi", "Jeudi", "Vendredi", "Samedi"},
     {"Dim", "Lun", "Mar", "Mer", "Jeu", "Ven", "Sam"},
     {"Di", "Lu", "Ma", "Me", "Je", "Ve", "Sa"},
     {"Janvier", "Février", "Mars", "Avril", "Mai", "Juin", "Juillet", "Août", "Septembre", "Octobre",
      "Novembre", "Décembre"},
     {"Jan", "Fév", "Mar", "Avr", "Mai", "Jui", "Juil", "Aoû", "Sep", "Oct", "Nov", "Déc"}},
    // 96: Italian
    {{"Domenica", "Lunedi", "Martedi", "Mercoledi", "Giovedi", "Venerdi", "Sabato"},
     {"Dom", "Lun", "Mar", "Mer", "Gio", "Ven", "Sab"},
     {"Do", "Lu", "Ma", "Me", "Gi", "Ve", "Sa"},
     {"Gennaio", "Febbraio", "Marzo", "Aprile", "Maggio", "Giugno", "Luglio", "Agosto", "Settembre",
      "Ottobre", "Novembre", "Dicembre"},
     {"Gen", "Feb", "Mar", "Apr", "Mag", "Giu", "Lug", "Ago", "Set", "Ott", "Nov", "Dic"}},
    // 144: Portuguese
    {{"Domingo ", "Segunda-feira", "Terca-feira", "Quarta-feira", "Quinta-feira", "Sexta-feira", "Sábado"},
     {"Dom", "Seg", "Têr", "Qua", "Qui", "Sex", "Sab"},
     {"Do", "Se", "Tê", "Qu", "Qu", "Se", "Sa"},
     {"Janeiro", "Fevereiro", "Março", "Abril", "Maio", "Junho", "Julho", "Agosto", "Setembro", "Outubro",
      "Novembro", "Dezembro"},
     {"Jan", "Fev", "Mar", "Apr", "Mai", "Jun", "Jul", "Ago", "Set", "Out", "Nov", "Dez"}},
    // 192: German
    {{"Sonntag", "Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag"},
     {"Son", "Mon", "Die", "Mit", "Don", "Fre", "Sam"},
     {"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"},
     {"Januar", "Februar", "März", "April", "Mai", "Juni", "Juli", "August", "September", "Oktober",
      "November", "Dezember"},
     {"Jan", "Feb", "Mär", "Apr", "Mai", "Jun", "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"}},
    // 240: Dutch
    {{"Zondag", "Maandag", "Dinsdag", "Woensdag", "Donderdag", "Vrijdag", "Zaterdag"},
     {"Zon", "Maa", "Din", "Woe", "Don", "Vri", "Zat"},
     {"Zo", "Ma", "Di", "Wo", "Do", "Vr", "Za"},
     {"Januari", "Februari", "Maart", "April", "Mei", "Juni", "Juli", "Augustus", "September", "Oktober",
      "November", "December"},
     {"Jan", "Feb", "Maa", "Apr", "Mei", "Jun", "Jul", "Aug", "Sep", "Okt", "Nov", "Dec"}},
    // 288: Swedish
    {{"Söndag", "Måndag", "Tisdag", "Onsdag", "Torsdag", "Fredag", "Lördag"},
     {"Sön", "Mån", "Tis", "Ons", "Tor", "Fre", "Lör"},
     {"Sö", "Må", "Ti", "On", "To", "Fr", "Lö"},
     {"Januari", "Febrauri", "Mars", "April", "Maj", "Juni", "Juli", "Augusti", "September", "Oktober",
      "November", "December"},
     {"Jan", "Feb", "Mar", "Apr", "Maj", "Jun", "Jul", "Aug", "Sep", "Okt", "Nov", "Dec"}},
    // 336: Danish
    {{"Søndag", "Mandag", "Tirsdag", "Onsdag", "Torsdag", "Fredag", "Lørdag"},
     {"Søn", "Man", "Tir", "Ons", "Tor", "Fre", "Lør"},
     {"Sø", "Ma", "Ti", "On", "To", "Fr", "Lø"},
     {"Januar", "Februar", "Marts", "April", "Maj", "Juni", "Juli", "August", "September", "Oktober",
      "November", "December"},
     {"Jan", "Feb", "Mar", "Apr", "Maj", "Jun", "Jul", "Aug", "Sep", "Okt", "Nov", "Dec"}},
    // 384: Norwegian
    {{"Søndag", "Mandag", "Tirsdag", "Onsdag", "Torsdag", "Fredag", "Lørdag"},
     {"Søn", "Man", "Tir", "Ons", "Tor", "Fre", "Lør"},
     {"Sø", "Ma", "Ti", "On", "To", "Fr", "Lø"},
     {"Januar", "Februar", "Mars", "April", "Mai", "Juni", "Juli", "August", "September", "Oktober",
      "November", "Desember"},
     {"Jan", "Feb", "Mar", "Apr", "Mai", "Jun", "Jul", "Aug", "Sep", "Okt", "Nov", "Des"}},
    // 432: Serbo-Croatian
    {{"Nedelja", "Ponjedeljak", "Utorak", "Srijeda", "Cetvrtak", "Petak", "Subota"},
     {"Ned", "Pon", "Uto", "Sri", "Cet", "Pet", "Sub"},
     {"Ne", "Po", "Ut", "Sr", "Ce", "Pe", "Su"},
     {"Sijecanj", "Veljaca", "Ozujak", "Travanj", "Svibanj", "Lipanj", "Srpanj", "Kolovoz", "Rujan",
      "Listopad", "Studeni", "Prosinac"},
     {"Sij", "Vel", "Ozu", "Tra", "Svi", "Lip", "Srp", "Kol", "Ruj", "Lis", "Stu", "Pro"}},
    // 480: Finnish
    {{"Sunnuntai", "Maanantai", "Tiistai", "Keskiviikko", "Torstai", "Perjantai", "Lauantai"},
     {"Sun", "Maa", "Tii", "Kes", "Tor", "Per", "Lau"},
     {"Su", "Ma", "Ti", "Ke", "To", "Pe", "La"},
     {"Tammikuu", "Helmikuu", "Maaliskuu", "Huhtikuu", "Toukokuu", "Kesäkuu", "Heinäkuu", "Elokuu", "Syyskuu",
      "Lokakuu", "Marraskuu", "Joulukuu"},
     {"Tam", "Hel", "Maa", "Huh", "Tou", "Kes", "Hei", "Elo", "Syy", "Lok", "Mar", "Jou"}},
    // 528: Esperanto
    {{"Dimanco", "Lundo", "Mardo", "Merkredo", "Jaudo", "Vendredo", "Sabato"},
     {"Dim", "Lun", "Mar", "Mer", "Jau", "Ven", "Sab"},
     {"Di", "Lu", "Ma", "Me", "Ja", "Ve", "Sa"},
     {"Januaro", "Februaro", "Marto", "Aprilo", "Majo", "Junio", "Julio", "Augusto", "Septembro", "Oktobro",
      "Novembro", "Decembro"},
     {"Jan", "Feb", "Mar", "Apr", "Maj", "Jun", "Jul", "Aug", "Sep", "Okt", "Nov", "Dec"}},
    // 576: Spanish
    {{"Domingo", "Lunes", "Martes", "Miercoles", "Jueves", "Viernes", "Sabado"},
     {"Dom", "Lun", "Mar", "Mie", "Jue", "Vie", "Sab"},
     {"Do", "Lu", "Ma", "Mi", "Ju", "Vi", "Sa"},
     {"Enero", "Febrero", "Marzo", "Abril", "Mayo", "Junio", "Julio", "Agosto", "Septiembre", "Octubre",
      "Noviembre", "Diciembre"},
     {"Ene", "Feb", "Mar", "Abr", "May", "Jun", "Jul", "Ago", "Sep", "Oct", "Nov", "Dic"}},
    // 624: Icelandic
    {{"Sunnudagur", "Mßnudagur", "_ri_judagur", "Mi_vikudagur", "Fimmtudagur", "F÷studagur", "Laugardagur"},
     {"Sun", "Mßn", "_ri", "Mi_", "Fim", "F÷s", "Lau"},
     {"S", "M", "_", "M", "F", "F", "L"},
     {"Jan·ar", "Febr·ar", "Mars", "Apr_l", "Ma_", "J·n_", "J·l_", "Ag·st", "September", "Okt÷ber",
      "N_vember", "Desember"},
     {"Jan", "Feb", "Mars", "Apr", "Ma_", "J·n_", "J·l_", "Ag", "Sept", "Okt", "N_v", "Des"}},
}};

} // namespace

std::string_view calendarString(int id) {
    if (id < 0 || id >= kLanguageBlocks * kStringsPerBlock)
        return {};
    const Block& b = kBlocks[static_cast<std::size_t>(id / kStringsPerBlock)];
    const int k = id % kStringsPerBlock;
    if (k < 7)
        return b.weekdays[static_cast<std::size_t>(k)];
    if (k < 14)
        return b.weekdays3[static_cast<std::size_t>(k - 7)];
    if (k < 21)
        return b.weekdays2[static_cast<std::size_t>(k - 14)];
    if (k < 33)
        return b.months[static_cast<std::size_t>(k - 21)];
    if (k < 45)
        return b.months3[static_cast<std::size_t>(k - 33)];
    return {};
}

} // namespace vxcal
