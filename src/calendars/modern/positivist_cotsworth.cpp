// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendars/modern/positivist_cotsworth.h"

#include "time/civil.h"

namespace tempulo {
namespace {

constexpr std::array<std::string_view, 13> kPositivistMonthNames = {
    "Moses", "Homer",     "Aristoteles", "Archimedes", "Caesar",    "Saint Paul", "Charlemagne",
    "Dante", "Gutenberg", "Shakespeare", "Descartes",  "Friedrich", "Bichat"};

// Indexed by the day of the month modulo 7: every month starts on a Monday.
constexpr std::array<std::string_view, 7> kPositivistWeekdays = {
    "Sonntag", "Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Sonnabend"};

constexpr std::array<std::string_view, 13> kCotsworthMonthNames = {
    "Januar", "Februar", "März",      "April",   "Mai",      "Juni",    "Sol",
    "Juli",   "August",  "September", "Oktober", "November", "Dezember"};

// Indexed by the day of the month modulo 7: every month starts on a Sunday.
constexpr std::array<std::string_view, 7> kCotsworthWeekdays = {
    "Sonnabend", "Sonntag", "Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag"};

constexpr int kMonthDays = 28;
constexpr int kPositivistEraStart = 1788;  // 1789 is year 1
constexpr int kCotsworthEraStart = 1922;
constexpr int kFirstHalfYearDays = 6 * kMonthDays;  // 168

constexpr int kPositivistMonths = 13;

std::string_view NameAt(const std::array<std::string_view, 13>& table, int index) {
  if (index < 1 || index > static_cast<int>(table.size())) {
    return {};
  }
  return table[static_cast<std::size_t>(index - 1)];
}

}  // namespace

const std::array<std::string_view, 365> kPositivistDayNames = {
    // Moses
    "Prometheus",
    "Hercules",
    "Orpheus",
    "Ulysses",
    "Lycurgus",
    "Romulus",
    "Numa",
    "Semiramis",
    "Sesostris",
    "Menu",
    "Cyrus",
    "Zoroaster",
    "Ossian",
    "Buddha",
    "Fo-Hi",
    "Lao-Tseu",
    "Meng-Tseu",
    "Theocrates von Tibet",
    "Theocrates von Japan",
    "Tamehameha",
    "Konfuzius",
    "Abraham",
    "Samuel",
    "David",
    "Isaiah",
    "St.Johannes",
    "Harun-al-Raschid",
    "Muhammed",
    // Homer
    "Hesiod",
    "Tyrtæus",
    "Anacreon",
    "Pindar",
    "Sophokles",
    "Theocritus",
    "Æschylus",
    "Scopas",
    "Zeuxis",
    "Ictinus",
    "Praxiteles",
    "Lysippus",
    "Apelles",
    "Phidias",
    "Æsop",
    "Plautus",
    "Menander",
    "Phaedrus",
    "Juvenal",
    "Lucian",
    "Aristophanes",
    "Ennius",
    "Lucretius",
    "Horaz",
    "Tibullus",
    "Ovid",
    "Lucan",
    "Virgil",
    // Aristoteles
    "Anaximander",
    "Anaximenes",
    "Heraclitus",
    "Anaxagoras",
    "Democritus",
    "Herodot",
    "Thales",
    "Solon",
    "Xenophanes",
    "Empedokles",
    "Thucydides",
    "Archytas",
    "Apollonius von Tyana",
    "Pythagoras",
    "Aristippus",
    "Antisthenes",
    "Zeno",
    "Cicero",
    "Epictetus",
    "Tacitus",
    "Sokrates",
    "Xenocrates",
    "Philo von Alexandria",
    "Evangelist Johannes",
    "Justinian",
    "Clemens von Alexandria",
    "Origen",
    "Plato",
    // Archimedes
    "Theophrastus",
    "Herophilus",
    "Erasistratus",
    "Celsus",
    "Galen",
    "Avicenna",
    "Hippokrates",
    "Euklid",
    "Aristæus",
    "Theodisius von Bithynia",
    "Heron",
    "Pappus",
    "Diophantus",
    "Apollonius",
    "Eudoxus",
    "Pytheas",
    "Aristarch",
    "Eratosthenes",
    "Ptolemäus",
    "Albategnius",
    "Hipparchus",
    "Varro",
    "Columella",
    "Vitruvius",
    "Strabo",
    "Frontinus",
    "Plutarch",
    "Plinius der Ältere",
    // Caesar
    "Miltiades",
    "Leonidas",
    "Aristides",
    "Cimon",
    "Xenophon",
    "Phocion",
    "Themistocles",
    "Perikles",
    "Philipp",
    "Demosthenes",
    "Ptolemäus Lagus",
    "Philopoemen",
    "Polybius",
    "Alexander der Große",
    "Junius Brutus",
    "Camillus",
    "Fabricius",
    "Hannibal",
    "Paulus Aemilius",
    "Marius",
    "Scipio",
    "Augustus",
    "Vespasian",
    "Hadrian",
    "Antonius",
    "Papinian",
    "Alexander Severus",
    "Trajan",
    // Saint Paul
    "St.Lucas",
    "St.Cyprian",
    "St.Athanasius",
    "St.Jerome",
    "St.Ambrose",
    "St.Monica",
    "St.Augustin",
    "Konstantin der Große",
    "Theodosius",
    "St.Basilius",
    "St.Genevieve von Paris",
    "St.Pulcheria",
    "Gregor der Große",
    "Hildebrand",
    "St.Benedict",
    "St.Bonifacius",
    "St.Isidore von Sevilla",
    "Lanfranc",
    "Heloise",
    "St.Benezet",
    "St.Bernard",
    "St.Francis Xavier",
    "St.Charles Borromeo",
    "St.Theresa",
    "St.Vincent de Paul",
    "Bourdaloue",
    "William Penn",
    "Bossuet",
    // Charlemagne
    "Theodorich der Große",
    "Pelayo",
    "Otto der Große",
    "St.Henry",
    "La Valette",
    "Don John",
    "Alfred",
    "Karl Martel",
    "Cid",
    "Richard I",
    "Jeanne d'Arc",
    "Albuquerque",
    "Bayard",
    "Godfrey",
    "St.Leo der Große",
    "Gerbert",
    "Peter the Hermit",
    "Suger",
    "Alexander III",
    "Franz von Assisi",
    "Innocent III",
    "St.Clotilde",
    "St.Bathilda",
    "Stephan von Ungarn",
    "Elizabeth von Ungarn",
    "Blanche von Castille",
    "St.Ferdinand III",
    "St.Louis",
    // Dante
    "Troubadours",
    "Boccaccio",
    "Swift",
    "Cervantes",
    "La Fontain",
    "Defoe",
    "Aristo",
    "Leonardo da Vinci",
    "Michelangelo",
    "Holbein",
    "Poussin",
    "Velasquez",
    "Rubens",
    "Raphael",
    "Froissart",
    "Camoens",
    "Rembrandt",
    "Chateaubriand",
    "Walter Scott",
    "Manzoni",
    "Tasso",
    "Petrarca",
    "Thomas à Kempis",
    "Mme. de Lafayette",
    "Fénélon",
    "Klopstock",
    "Byron",
    "Milton",
    // Gutenberg
    "Marco Polo",
    "Jacques Coeur",
    "Vasco de Gama",
    "Napier",
    "Delambre",
    "Cook",
    "Kolumbus",
    "Benvenuto Cellini",
    "Amontons",
    "Harrison",
    "Dollond",
    "Arkwright",
    "Conté",
    "Vaucanson",
    "Stevin",
    "Mariotte",
    "Papin",
    "Black",
    "Fulton",
    "Dalton",
    "Watt",
    "Bernard de Palissy",
    "Guglielmini",
    "Duhamel du Monceau",
    "Saussure",
    "Coulomb",
    "Carnot",
    "Montgolfier",
    // Shakespeare
    "Lope de Vega",
    "Moreto",
    "Rojas",
    "Otway",
    "Lessing",
    "Goethe",
    "Calderon",
    "Tirso",
    "Vondel",
    "Racine",
    "Voltaire",
    "Metastasio",
    "Schiller",
    "Corneille",
    "Almarcon",
    "Mme. de Motteville",
    "Mme. de Sévigné",
    "Lesage",
    "Mme. de Staël",
    "Fielding",
    "Moliere",
    "Pergolese",
    "Sacchini",
    "Gluck",
    "Beethoven",
    "Rossini",
    "Bellini",
    "Mozart",
    // Descartes
    "Albertus Magnus",
    "Roger Bacon",
    "St.Bonaventura",
    "Ramus",
    "Erasmus",
    "Thomas More",
    "Thomas von Aquin",
    "Spinoza",
    "Pascal",
    "Locke",
    "Vauvenargues",
    "Diderot",
    "Cabanis",
    "Lord Bacon",
    "Grotius",
    "Fontenelle",
    "Herder",
    "Fréret",
    "Montesquieu",
    "Buffon",
    "Leibnitz",
    "Robertson",
    "Adam Smith",
    "Kant",
    "Condercet",
    "Joseph de Maistre",
    "Hegel",
    "Hume",
    // Friedrich
    "Marie de Molina",
    "Cosmo de Medici",
    "Philippe de Comines",
    "Isabella von Kastillien",
    "Charles V",
    "Henry IV",
    "Louis XI",
    "L'Hôpital",
    "Barneveldt",
    "Gustav Adolph",
    "De Witt",
    "Ruyter",
    "William III",
    "William der Stille",
    "Ximenes",
    "Sully",
    "Mazarin",
    "Colbert",
    "D'Aranda",
    "Turgot",
    "Richelieu",
    "Sidney",
    "Franklin",
    "Washington",
    "Jefferson",
    "Bolivar",
    "Francia",
    "Cromwell",
    // Bichat
    "Copernicus",
    "Kepler",
    "Huyghens",
    "Johann Bernouilli",
    "Bradley",
    "Volta",
    "Galilei",
    "Vieta",
    "Fermat",
    "Clairaut",
    "Euler",
    "D'Alembert",
    "Lagrange",
    "Newton",
    "Bergmann",
    "Priestley",
    "Cavendish",
    "Guyton Morveau",
    "Berthollet",
    "Berzelius",
    "Lavoisier",
    "Harvey",
    "Stahl",
    "Linnæus",
    "Haller",
    "Lamarck",
    "Broussais",
    "Gall",
    // The festival of the dead names no one.
    "",
};

PositivistDate PositivistFromFixed(FixedDay day) {
  const int year = GregorianFromFixed(day).year;
  const auto e = static_cast<int>(day - FixedFromGregorian({year, 1, 1}));  // 0..365
  const int positivistYear = year - kPositivistEraStart;
  if (e >= kPositivistMonths * kMonthDays) {
    return {positivistYear, kPositivistFestivalMonth, e - kPositivistMonths * kMonthDays + 1};
  }
  return {positivistYear, e / kMonthDays + 1, e % kMonthDays + 1};
}

FixedDay FixedFromPositivist(const PositivistDate& date) {
  return FixedFromGregorian({static_cast<int>(date.year + kPositivistEraStart), 1, 1}) +
         (kMonthDays * static_cast<std::int64_t>(date.month - 1) + date.day - 1);
}

CotsworthDate CotsworthFromFixed(FixedDay day) {
  const int year = GregorianFromFixed(day).year;
  auto e = static_cast<int>(day - FixedFromGregorian({year, 1, 1}));  // 0..365
  const int cotsworthYear = year - kCotsworthEraStart;
  if (IsGregorianLeapYear(year) && e >= kFirstHalfYearDays) {
    // The leap day follows 28 June as its 29th day.
    if (e == kFirstHalfYearDays) {
      return {cotsworthYear, 6, kMonthDays + 1};
    }
    --e;
  }
  if (e == 13 * kMonthDays) {
    return {cotsworthYear, 13, kMonthDays + 1};
  }
  return {cotsworthYear, e / kMonthDays + 1, e % kMonthDays + 1};
}

FixedDay FixedFromCotsworth(const CotsworthDate& date) {
  const int year = static_cast<int>(date.year + kCotsworthEraStart);
  // The leap day, 29 June, pushes the second half-year on by a day.
  const int leapDay = IsGregorianLeapYear(year) && date.month > 6 ? 1 : 0;
  return FixedFromGregorian({year, 1, 1}) +
         (kMonthDays * static_cast<std::int64_t>(date.month - 1) + date.day - 1 + leapDay);
}

std::string_view PositivistMonthName(int month) { return NameAt(kPositivistMonthNames, month); }

std::string_view PositivistWeekdayName(int day) {
  return kPositivistWeekdays[static_cast<std::size_t>(FloorMod(day, 7))];
}

std::string_view PositivistDayName(const PositivistDate& date) {
  if (date.month < 1 || date.month > kPositivistMonths || date.day < 1 || date.day > kMonthDays) {
    return {};
  }
  return kPositivistDayNames[static_cast<std::size_t>(kMonthDays * (date.month - 1) + date.day - 1)];
}

std::string_view CotsworthMonthName(int month) { return NameAt(kCotsworthMonthNames, month); }

std::string_view CotsworthWeekdayName(int day) {
  return kCotsworthWeekdays[static_cast<std::size_t>(FloorMod(day, 7))];
}

}  // namespace tempulo
