// SPDX-License-Identifier: GPL-3.0-or-later
// The almanac's name tables, written out once more for the sweep: every name a
// line shows must be one of these, at the index its numbers call for.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace tempulo::sweep {

template <std::size_t N>
using Names = std::array<std::string_view, N>;

// Index of a name in its table, -1 when it is not there.
template <std::size_t N>
int IndexOf(const Names<N>& names, std::string_view name) {
  for (std::size_t i = 0; i < N; ++i) {
    if (names[i] == name) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

inline constexpr Names<12> kGermanMonths = {"Januar",    "Februar", "März",     "April",
                                            "Mai",       "Juni",    "Juli",     "August",
                                            "September", "Oktober", "November", "Dezember"};
// Index Trunc(JD) mod 7.
inline constexpr Names<7> kReportWeekdays = {"Dienstag",  "Mittwoch", "Donnerstag", "Freitag",
                                             "Sonnabend", "Sonntag",  "Montag"};
inline constexpr Names<12> kBerberMonths = {"Yennayer", "Furar", "Meghres",  "Ibrir", "Mayyu",  "Yunyu",
                                            "Yulyu",    "Ghust", "Shtember", "Tuber", "Wamber", "Jember"};
inline constexpr Names<13> kJewishMonths = {"Nisan",   "Iyar",   "Sivan", "Tammuz", "Av",   "Elul",  "Tishri",
                                            "Heshvan", "Kislev", "Tevet", "Shevat", "Adar", "Adar 2"};
inline constexpr Names<12> kIslamicMonths = {
    "Muharram", "Safar",   "Rabi al-Awwal", "Rabi al-Akhir", "Djumada l-Ula", "Djumada l-Akhira",
    "Radjab",   "Sha'ban", "Ramadan",       "Shawwal",       "Dhu'l-Qa'dah",  "Dhu'l-Hijja"};
inline constexpr Names<24> kSolarTerms = {"Chunfen - Frühlingstagundnachtgleiche",
                                          "Qingming - Hell und Klar",
                                          "Guyu - Regen für Körnerfrüchte",
                                          "Lixia - Sommeranfang",
                                          "Xiaoman - Kleiner Überfluss",
                                          "Mangzhong - Getreidedrusch",
                                          "Xiazhi - Sommersonnenwende",
                                          "Xiaoshu - Kleine Hitze",
                                          "Dashu - Große Hitze",
                                          "Liqiu - Herbstanfang",
                                          "Chushu - Ende der Hitze",
                                          "Bailu - Weißer Tau",
                                          "Qiufen - Herbsttagundnachtgleiche",
                                          "Hanlu - Kalter Tau",
                                          "Shuangjiang - Rauhreif",
                                          "Lidong - Winteranfang",
                                          "Xiaoxue - Kleiner Schnee",
                                          "Daxue - Großer Schnee",
                                          "Dongzhi - Wintersonnenwende",
                                          "Xiaohan - Kleine Kälte",
                                          "Dahan - Große Kälte",
                                          "Lichun - Frühlingsanfang",
                                          "Yushui - Regenwasser",
                                          "Jingzhe - Erwachen der Insekten"};
inline constexpr Names<12> kAnimals = {"Ratte (zi)",    "Büffel (chou)", "Tiger (yin)", "Hase (mao)",
                                       "Drache (chen)", "Schlange (si)", "Pferd (wu)",  "Ziege (wei)",
                                       "Affe (shen)",   "Huhn (you)",    "Hund (xu)",   "Schwein (hai)"};
inline constexpr Names<10> kStems = {"jia", "yi", "bing", "ding", "wu", "ji", "geng", "xin", "ren", "gui"};
inline constexpr Names<12> kJapaneseMonths = {"Mutsuki",   "Kisaragi",   "Yayoi",      "Uzuki",
                                              "Satsuki",   "Minatsuki",  "Fumizuki",   "Hazuki",
                                              "Nagatsuki", "Kaminazuki", "Shimotsuki", "Shiwasu"};
// Genitives of the months 1..12.
inline constexpr Names<12> kRomanMonths = {"IANVARII",   "FEBRVARII", "MARTII",    "APRILIS",
                                           "MAII",       "IVNII",     "IVLII",     "AVGVSTI",
                                           "SEPTEMBRIS", "OCTOBRIS",  "NOVEMBRIS", "DECEMBRIS"};
inline constexpr Names<12> kFrenchMonths = {"Vendémiaire", "Brumaire", "Frimaire",  "Nivôse",
                                            "Pluviôse",    "Ventôse",  "Germinal",  "Floréal",
                                            "Prairial",    "Messidor", "Thermidor", "Fructidor"};
// Index: day of the month mod 10.
inline constexpr Names<10> kDecadeDays = {"Decadi",   "Primedi", "Duodi",   "Tridi",  "Quartidi",
                                          "Quintidi", "Sextidi", "Septidi", "Octidi", "Nonodi"};
inline constexpr Names<13> kEgyptianMonths = {"Thot",   "Phaophi",   "Athyr",    "Choiak", "Tybi",
                                              "Mechir", "Phamenoth", "Pharmuti", "Pachon", "Payni",
                                              "Epiphi", "Mesori",    "Zusatztag"};
inline constexpr Names<13> kArmenianMonths = {"Nawasardi", "Hori",     "Sahmi",    "Trê",     "Khalots",
                                              "Araths",    "Mehekani", "Areg",     "Ahekani", "Mareri",
                                              "Margaths",  "Hrotiths", "Aveleaths"};
inline constexpr Names<20> kMayaSigns = {"Imix",  "Ik",    "Akbal", "Kan",   "Chicchan", "Cimi", "Manik",
                                         "Lamat", "Muluc", "Oc",    "Chuen", "Eb",       "Ben",  "Ix",
                                         "Men",   "Cib",   "Caban", "Eznab", "Cauac",    "Ahau"};
inline constexpr Names<19> kMayaMonths = {"Pop",  "Uo",   "Zip",   "Zotz",  "Tzec", "Xul", "Yaxkin",
                                          "Mol",  "Chen", "Yax",   "Zac",   "Ceh",  "Mac", "Kankin",
                                          "Muan", "Pax",  "Kayab", "Cumku", "Uayeb"};
inline constexpr Names<19> kAztecPeriods = {
    "Izcalli",      "Cuauhuitlehua",   "Tlacaxipehualiztli", "Tozoztontli",     "Hueitozoztli", "Toxcatl",
    "Etzcualiztli", "Tecuilhuitontli", "Hueitecuilhuitl",    "Tlaxochimaco",    "Xocolhuetzi",  "Ochpaniztli",
    "Teotleco",     "Tepeilhuitl",     "Quecholli",          "Panquetzaliztli", "Atemoztli",    "Tititl",
    "Nenmontemi"};
inline constexpr Names<20> kBahaiMonths = {"Bahâ",      "Jalâl",   "Jamâl",  "'Azamat",    "Nûr",
                                           "Rahmat",    "Kalimât", "Kamâl",  "Asmâ",       "'Izzat",
                                           "Mashîyyat", "'Ilm",    "Qudrat", "Qawl",       "Masâi'l",
                                           "Sharaf",    "Sultân",  "Mulk",   "Ayyâm-i-Hâ", "'Alâ"};
inline constexpr Names<19> kBahaiYearNames = {"Alif",  "Bâ",   "Ab",   "Dâl",    "Bâb",   "Vâv",  "Abad",
                                              "Jâd",   "Bahâ", "Hubb", "Bahhâj", "Javâb", "Ahad", "Vahhâb",
                                              "Vidâd", "Badî", "Bahî", "Abhâ",   "Vâhid"};
inline constexpr Names<13> kCopticMonths = {"Thuout", "Paopi",  "Athor",  "Khoiak", "Tobi",
                                            "Mekhir", "Fameno", "Farmou", "Pakhon", "Paony",
                                            "Epep",   "Mesori", "Nasie"};
inline constexpr Names<13> kEthiopianMonths = {"Meskerem", "Tikemet", "Hidar",  "Tahesas", "Tir",
                                               "Yekatit",  "Megabit", "Miyaza", "Ginbot",  "Sene",
                                               "Hamle",    "Nehase",  "Pagume"};
inline constexpr Names<12> kIndianMonths = {"Caitra",     "Vaisakha", "Jyaistha", "Asadha",
                                            "Sravana",    "Bhadra",   "Asvina",   "Kartika",
                                            "Agrahayana", "Pausa",    "Magha",    "Phalguna"};
inline constexpr Names<12> kNanakshahiMonths = {"Chet", "Vaisakhi", "Jeth",   "Haarh", "Saavan", "Bhaadon",
                                                "Assu", "Kattak",   "Maggar", "Poh",   "Maagh",  "Phagun"};
inline constexpr Names<14> kBabylonianMonths = {"Nissanu", "Aiyaru",   "Simmanu",    "Du'uzu",  "Abu",
                                                "Ululu",   "Tashritu", "Arakhsamna", "Kislimu", "Dabitu",
                                                "Sabadu",  "Addaru",   "Addaru 2",   "Ululu 2"};
// Months 1..12, and the name of the five or six extra days.
inline constexpr Names<13> kIranianMonths = {"Farvardin", "Ordibehescht", "Chordad",  "Tir",  "Mordad",
                                             "Shahrivar", "Mehr",         "Aban",     "Asar", "Dey",
                                             "Bahman",    "Esfand",       "Zusatztag"};
inline constexpr Names<13> kPositivistMonths = {
    "Moses", "Homer",     "Aristoteles", "Archimedes", "Caesar",    "Saint Paul", "Charlemagne",
    "Dante", "Gutenberg", "Shakespeare", "Descartes",  "Friedrich", "Bichat"};
// Index: day of the year mod 7.
inline constexpr Names<7> kPositivistWeekdays = {"Sonntag",    "Montag",  "Dienstag", "Mittwoch",
                                                 "Donnerstag", "Freitag", "Sonnabend"};
inline constexpr Names<13> kCotsworthMonths = {"Januar",  "Februar",  "März",    "April",  "Mai",
                                               "Juni",    "Sol",      "Juli",    "August", "September",
                                               "Oktober", "November", "Dezember"};
// Index: day count mod 7 (the World Calendar uses the same order).
inline constexpr Names<7> kSaturdayFirstWeekdays = {"Sonnabend", "Sonntag",    "Montag", "Dienstag",
                                                    "Mittwoch",  "Donnerstag", "Freitag"};
inline constexpr Names<13> kGoddessMonths = {"Astarte", "Bast", "Cybele", "Diana", "Eris",    "Freya", "Gaia",
                                             "Hathor",  "Isis", "Juno",   "Kali",  "Lakshmi", "Maat"};
inline constexpr Names<13> kSolilunarMonths = {
    "Aristarchus", "Bruno",   "Copernicus", "Dee",     "Eratosthenes", "Flamsteed", "Galileo",
    "Hypathia",    "Ibrahim", "Julius",     "Khayyam", "Lilius",       "Meton"};
inline constexpr Names<5> kDiscordianSeasons = {"Chaos", "Zwietracht", "Verwirrung", "Bürokratie",
                                                "Der Ausklang"};
inline constexpr Names<24> kMarsMonths = {
    "Sagittarius", "Dhanus", "Capricornus", "Makara",   "Aquarius", "Kumbha",  "Pisces",   "Mina",
    "Aries",       "Mesha",  "Taurus",      "Rishabha", "Gemini",   "Mithuna", "Cancer",   "Karka",
    "Leo",         "Simha",  "Virgo",       "Kanya",    "Libra",    "Tula",    "Scorpius", "Vrishika"};
inline constexpr Names<7> kMarsSols = {"Solis", "Lunae", "Martis", "Mercurii", "Jovis", "Veneris", "Saturni"};
// Index: day of the month mod 6.
inline constexpr Names<6> kSixDayWeek = {"Sonntag",    "Montag",  "Mittwoch",
                                         "Donnerstag", "Freitag", "Sonnabend"};
// The named days of the sixty-week year.
inline constexpr Names<6> kSixtyWeekNamedDays = {"Frühlingstag", "Sommertag", "Schalttag",
                                                 "Herbsttag",    "Wintertag", "Neujahr"};

// Names of the festivals of other religions, index 0 first.
inline constexpr Names<46> kFestivals = {
    "Islamisches Neujahrsfest",
    "Aschura",
    "Geburt des Propheten",
    "Todestag des Propheten",
    "Auswanderung nach Medina",
    "Himmelreise des Propheten",
    "Beginn der Fastenzeit, Ramadan",
    "Islamischer Bußtag",
    "Nacht der Bestimmung",
    "Fest des Fastenbrechens",
    "Große Wallfahrt, Beginn der Hadsch",
    "Islamisches Opferfest",
    "Rosh Hashanah, Jüdisches Neujahr",
    "2.Jüdischer Neujahrstag",
    "Yom Kippur, Versöhnungstag",
    "Sukkot, Laubhüttenfest",
    "Siebenter Sukkottag",
    "Shemini Atzeret, Beschlussfest",
    "Simchat Torah, Tag der Gesetzesfreude",
    "Hanukkah",
    "Jom ha-Schoah, Holocaustgedenktag",
    "Jom ha-Azma''ut, Unabhängigkeitstag",
    "Shawuot",
    "Chinesisches Neujahrsfest",
    "Laternenfest",
    "Gedeihen der Saaten",
    "Geburtstag der Laren",
    "Erleuchtung Buddhas",
    "Gräberfest",
    "Geburt Buddhas",
    "Seelenfest",
    "Drachenbootfest",
    "Beginn der Gedächtnistage",
    "Erntemondfest",
    "Läuterung Buddhas",
    "Opfertag",
    "Himmelfahrt der Götter",
    "Genna, Äthiopisches Weihnachten",
    "Timkat",
    "Id Al Fitir, Fastenmonatende",
    "Id Al Adha",
    "Äthiopischer Karfreitag",
    "Fasika, Äthiopisches Osterfest",
    "Moulid, Geburt des Propheten",
    "Enqutatash, Neujahr",
    "Meskal",
};

// A festival row: two date parts of its calendar and the festival's index.
struct FestivalRow {
  int first;
  int second;
  int index;
};
// Islamic (day, month), Jewish (month, day) with Hanukkah on 25 Kislev,
// Chinese (day, month).
inline constexpr std::array<FestivalRow, 12> kIslamicFestivalRows = {{{1, 1, 0},
                                                                      {10, 1, 1},
                                                                      {12, 3, 2},
                                                                      {28, 2, 3},
                                                                      {1, 3, 4},
                                                                      {26, 7, 5},
                                                                      {1, 9, 6},
                                                                      {18, 9, 7},
                                                                      {26, 9, 8},
                                                                      {1, 10, 9},
                                                                      {8, 12, 10},
                                                                      {10, 12, 11}}};
inline constexpr std::array<FestivalRow, 11> kJewishFestivalRows = {{{7, 1, 12},
                                                                     {7, 2, 13},
                                                                     {7, 10, 14},
                                                                     {7, 15, 15},
                                                                     {7, 21, 16},
                                                                     {7, 22, 17},
                                                                     {7, 23, 18},
                                                                     {9, 25, 19},
                                                                     {1, 27, 20},
                                                                     {2, 5, 21},
                                                                     {3, 6, 22}}};
inline constexpr std::array<FestivalRow, 14> kChineseFestivalRows = {{{1, 1, 23},
                                                                      {15, 1, 24},
                                                                      {1, 2, 25},
                                                                      {2, 2, 26},
                                                                      {15, 2, 27},
                                                                      {3, 3, 28},
                                                                      {8, 4, 29},
                                                                      {15, 7, 30},
                                                                      {5, 5, 31},
                                                                      {1, 7, 32},
                                                                      {15, 8, 33},
                                                                      {8, 12, 34},
                                                                      {16, 12, 35},
                                                                      {24, 12, 36}}};

// Day names of the Positivist year, day 1 to 364.
extern const Names<364> kPositivistDayNames;

// A row of the holiday table: day and month, 0 for a date computed per year.
struct HolidayRow {
  int day;
  int month;
  std::string_view name;
};
extern const std::array<HolidayRow, 125> kHolidayRows;

}  // namespace tempulo::sweep
