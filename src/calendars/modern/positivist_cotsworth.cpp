#include "calendars/modern/positivist_cotsworth.h"

#include "calendars/modern/world_calendar.h"
#include "calendars/traditional/calendar_helpers.h"

namespace tempulo {
namespace {

constexpr std::array<std::string_view, 13> kPositivistMonthNames = {
    "Moses", "Homer",     "Aristoteles", "Archimedes", "Caesar",    "Saint Paul", "Charlemagne",
    "Dante", "Gutenberg", "Shakespeare", "Descartes",  "Friedrich", "Bichat"};

// Indexed by the day of the year modulo 7: every month starts on a Monday.
constexpr std::array<std::string_view, 7> kPositivistWeekdays = {
    "Sonntag", "Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Sonnabend"};

constexpr std::array<std::string_view, 13> kCotsworthMonthNames = {
    "Januar", "Februar", "März",      "April",   "Mai",      "Juni",    "Sol",
    "Juli",   "August",  "September", "Oktober", "November", "Dezember"};

// Indexed by the day count modulo 7: every month starts on a Sunday.
constexpr std::array<std::string_view, 7> kCotsworthWeekdays = {
    "Sonnabend", "Sonntag", "Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag"};

constexpr int kMonthDays = 28;
constexpr int kPositivistEraStart = 1788;  // 1789 is year 1
constexpr int kCotsworthEraStart = 1922;
constexpr int kFirstHalfYearDays = 6 * kMonthDays;  // 168
constexpr int kCotsworthYearEnd = 197;              // the day count of 31 December in the second half

std::string Number(int n) { return FormatTrimmedNumber(1, 0, n); }

// A 1-based name table read without ever leaving it.
template <std::size_t N>
std::string NameAt(const std::array<std::string_view, N>& table, int index) {
  if (index < 1 || index > static_cast<int>(N)) {
    return {};
  }
  return std::string(table[static_cast<std::size_t>(index - 1)]);
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

std::string PositivistDateText(int year, int month, int day) {
  const int d = DayOfYear(day, month, year);
  const int y = year - kPositivistEraStart;
  if (d == 365) {
    return "Festtag der großen Toten";
  }
  if (d == 366) {
    return "Festtag der heiligen Jungfrau";
  }
  const int e = d - 1;
  std::string text = Number(e % kMonthDays + 1) + "." + NameAt(kPositivistMonthNames, e / kMonthDays + 1) +
                     " " + Number(y) + ", " + NameAt(kPositivistWeekdays, d % 7 + 1);
  if (e >= 0 && e < static_cast<int>(kPositivistDayNames.size())) {
    text += ", Tag: " + std::string(kPositivistDayNames[static_cast<std::size_t>(e)]);
  }
  return text;
}

void PositivistDate(int year, int month, int day, Report& report) {
  report.Add("Positivisten-Kalender", PositivistDateText(year, month, day));
}

std::string CotsworthDate(int day, int month, int year) {
  const int d = DayOfYear(day, month, year);
  const bool leap = IsGregorianLeapYear(year);
  const std::string y = Number(year - kCotsworthEraStart);
  int n = d;
  int monthIndex = 0;
  if (d > kFirstHalfYearDays) {
    if (leap) {
      // The leap day follows 28 June and belongs to no week.
      if (d == kFirstHalfYearDays + 1) {
        return "Olympic " + y;
      }
      n = d - kFirstHalfYearDays - 1;
    } else {
      n = d - kFirstHalfYearDays;
    }
    if (n == kCotsworthYearEnd) {
      return "Sylvester " + y;
    }
    monthIndex = (n - 1) / kMonthDays + 7;
  } else {
    monthIndex = (n - 1) / kMonthDays + 1;
  }
  return Number((n - 1) % kMonthDays + 1) + "." + NameAt(kCotsworthMonthNames, monthIndex) + " " + y + ", " +
         NameAt(kCotsworthWeekdays, n % 7 + 1);
}

}  // namespace tempulo
