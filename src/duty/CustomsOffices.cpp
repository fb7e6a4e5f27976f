#include "duty/CustomsOffices.h"

#include <cstring>

namespace CustomsOffices {

namespace {

// clang-format off
constexpr Office kOffices[] = {
    {"Allgemein", "Zollamt", "Bad Säckingen", "DE004209"},
    {"Allgemein", "D.Zollamt", "Basel", "DE004058"},
    {"Allgemein", "Abfertigungsstelle", "Basel-Bad. Güterbahnhof", "DE004081"},
    {"Allgemein", "Zollamt", "Bietingen", "DE004101"},
    {"Allgemein", "Zollamt", "Bühl", "DE004214"},
    {"Allgemein", "Abfertigungsstelle", "Bühl-Altenburg-Rheinbrücke", "DE004232"},
    {"Allgemein", "Abfertigungsstelle", "Bühl-Jestetten-Bahnhof", "DE004233"},
    {"Allgemein", "Zollamt", "Büßlingen", "DE004109"},
    {"Allgemein", "Zollamt", "Erzingen", "DE004201"},
    {"Allgemein", "Abfertigungsstelle", "Friedrichshafen-Fähre", "DE009420"},
    {"Allgemein", "Zollamt", "Friedrichshafen", "DE009402"},
    {"Allgemein", "Zollamt", "Gailingen", "DE004112"},
    {"Allgemein", "Abfertigungsstelle", "Gailingen-West", "DE004185"},
    {"Allgemein", "Zollamt", "Grenzacherhorn", "DE004051"},
    {"Allgemein", "Zollamt", "Günzgen", "DE004217"},
    {"Allgemein", "Zollamt", "Inzlingen", "DE004060"},
    {"Allgemein", "Zollamt", "Jestetten", "DE004203"},
    {"Allgemein", "Zollamt", "Konstanz-Autobahn", "DE004005"},
    {"Allgemein", "Zollamt", "Konstanz-Emmishofer Tor", "DE004001"},
    {"Allgemein", "Zollamt", "Konstanz-Güterbahnhof", "DE004002"},
    {"Allgemein", "Zollamt", "Konstanz-Kreuzlinger Tor", "DE004003"},
    {"Allgemein", "Zollamt", "Konstanz-Paradieser Tor", "DE004010"},
    {"Allgemein", "Abfertigungsstelle", "Konstanz Personenbhf.", "DE004032"},
    {"Allgemein", "Abfertigungsstelle", "Langenargen", "DE009423"},
    {"Allgemein", "Zollamt", "Laufenburg", "DE004204"},
    {"Allgemein", "Zollamt", "Lottstetten", "DE004205"},
    {"Allgemein", "Abfertigungsstelle", "Meersburg", "DE009422"},
    {"Allgemein", "Zollamt", "Neuhaus (Randen)", "DE004102"},
    {"Allgemein", "Zollamt", "Öhningen", "DE004117"},
    {"Allgemein", "Abfertigungsstelle", "Randegg", "DE004187"},
    {"Allgemein", "Zollamt", "Rheinfelden", "DE004054"},
    {"Allgemein", "Zollamt", "Rheinheim", "DE004222"},
    {"Allgemein", "Zollamt", "Rielasingen", "DE004103"},
    {"Allgemein", "Zollamt", "Rötteln", "DE004223"},
    {"Allgemein", "Zollamt", "Singen-Bahnhof", "DE004105"},
    {"Allgemein", "Abfertigungsstelle", "Singen-Personenbahnhof", "DE004181"},
    {"Allgemein", "Zollamt", "Stetten", "DE004053"},
    {"Allgemein", "Abfertigungsstelle", "Stetten Wiesenuferweg", "DE004082"},
    {"Allgemein", "Zollamt", "Stühlingen", "DE004206"},
    {"Allgemein", "Abfertigungsstelle", "Thayngen", "DE004183"},
    {"Allgemein", "Abfertigungsstelle", "Waldshut-Personenbahnhof", "DE004241"},
    {"Allgemein", "Zollamt", "Waldshut", "DE004208"},
    {"Allgemein", "Zollamt", "Weil am Rhein-Autobahn", "DE004055"},
    {"Allgemein", "Zollamt", "Weil am Rhein-Friedlingen", "DE004056"},
    {"Allgemein", "Zollamt", "Weil am Rhein-Ost", "DE004061"},
    {"Allgemein", "Zollamt", "Weil am Rhein-Otterbach", "DE004057"},
    {"Luftverkehr", "Abfertigungsstelle", "Augsburg-Flughafen", "DE007430"},
    {"Luftverkehr", "Abfertigungsstelle", "Baden-Airport", "DE005881"},
    {"Luftverkehr", "Zollamt", "Berlin-Schönefeld-Flughafen", "DE002102"},
    {"Luftverkehr", "Zollamt", "Berlin-Tegel-Flughafen", "DE002105"},
    {"Luftverkehr", "Abfertigungsstelle", "Berlin-Tempelhof-Flughafen", "DE002131"},
    {"Luftverkehr", "Zollamt", "Bremen-Flughafen", "DE002301"},
    {"Luftverkehr", "Abfertigungsstelle", "Dortmund-Flughafen", "DE008131"},
    {"Luftverkehr", "Zollamt", "Flughafen Dresden", "DE005552"},
    {"Luftverkehr", "Zollamt", "Düsseldorf-Flughafen", "DE002601"},
    {"Luftverkehr", "Abfertigungsstelle", "Erfurt-Luftverkehr", "DE003030"},
    {"Luftverkehr", "Zollamt", "Frankfurt a. M.-Flughafen – Fracht", "DE003302"},
    {"Luftverkehr", "Zollamt", "Frankfurt a. M.-Flughafen – Reise", "DE003303"},
    {"Luftverkehr", "Zollamt", "Frankfurt a. M. – Flughafenüberwachung", "DE003301"},
    {"Luftverkehr", "Abfertigungsstelle", "Friedrichshafen-Flughafen", "DE009421"},
    {"Luftverkehr", "Zollamt", "Hahn-Flughafen", "DE006756"},
    {"Luftverkehr", "Zollamt", "Hamburg-Flughafen", "DE004701"},
    {"Luftverkehr", "Abfertigungsstelle", "Hamburg-Flughafen Reiseverkehr", "DE004733"},
    {"Luftverkehr", "Zollamt", "Hannover-Flughafen", "DE005103"},
    {"Luftverkehr", "Abfertigungsstelle", "Verkehrslandeplatz Hof-Plauen", "DE008730"},
    {"Luftverkehr", "Zollamt", "Flughafen Köln/Bonn", "DE007154"},
    {"Luftverkehr", "Abfertigungsstelle", "Köln-Hauptbahnhof", "DE007155"},
    {"Luftverkehr", "Abfertigungsstelle", "Mönchengladbach-Flughafen", "DE002931"},
    {"Luftverkehr", "Zollamt", "Laage-Abfertigung-Flughafen", "DE009120"},
    {"Luftverkehr", "Zollamt", "Flughafen Leipzig", "DE005604"},
    {"Luftverkehr", "Zollamt", "München-Flughafen", "DE007650"},
    {"Luftverkehr", "Zollamt", "Münster-Flughafen", "DE008306"},
    {"Luftverkehr", "Zollamt", "Nürnberg-Flughafen", "DE008755"},
    {"Luftverkehr", "Zollamt", "Flughafen Paderborn", "DE008380"},
    {"Luftverkehr", "Zollamt", "Saarbrücken-Flughafen", "DE009304"},
    {"Luftverkehr", "Zollamt", "Stuttgart-Flughafen", "DE009555"},
    {"Luftverkehr", "Abfertigungsstelle", "Stuttgart-Flughafen-Hauptbahnhof", "DE009583"},
    {"Post", "Post", "Postversand", "DE009950"},
    {"Rohrleitung", "Rohrleitung", "Eldfisk (Erdgas)-Rohrleitung", "DE009964"},
    {"Rohrleitung", "Rohrleitung", "GVS Rheintalleitung (Gas)", "DE009963"},
    {"Rohrleitung", "Rohrleitung", "Lottstetten (Erdgas)", "DE009962"},
    {"Rohrleitung", "Rohrleitung", "GVS Oberschwabenleitung (Gas)", "DE009984"},
    {"Rohrleitung", "Rohrleitung", "Trinkwasser", "DE009982"},
    {"See (HH)", "Zollamt", "Hamburg-Waltershof", "DE004851"},
    {"See (HB)", "Abfertigungsstelle", "Bremen-Güterverkehrszentrum", "DE002331"},
    {"See (HB)", "Zollamt", "Bremen-Hansator", "DE002302"},
    {"See (HB)", "Zollamt", "Bremen-Hohetor", "DE002303"},
    {"See (HB)", "Zollamt", "Bremen-Industriehafen", "DE002306"},
    {"See (HB)", "Zollamt", "Bremen-Neustädter Hafen", "DE002304"},
    {"See (HB)", "Zollamt", "Bremerhaven", "DE002452"},
    {"See (Ostsee)", "Abfertigungsstelle", "Burgstaaken", "DE006331"},
    {"See (Ostsee)", "Abfertigungsstelle", "Flensburg-Hafen", "DE006132"},
    {"See (Ostsee)", "Zollamt", "Heiligenhafen", "DE006302"},
    {"See (Ostsee)", "Zollamt", "Kappeln", "DE006106"},
    {"See (Ostsee)", "Abfertigungsstelle", "Kiel-Norwegenkai", "DE006231"},
    {"See (Ostsee)", "Zollamt", "Kiel-Wik", "DE006203"},
    {"See (Ostsee)", "Abfertigungsstelle", "Lübeck-Schlutup", "DE006332"},
    {"See (Ostsee)", "Zollamt", "Lübeck-Travemünde", "DE006306"},
    {"See (Ostsee)", "Zollamt", "Mukran", "DE009154"},
    {"See (Ostsee)", "Zollamt", "Neustadt (Holst)", "DE006307"},
    {"See (Ostsee)", "Zollamt", "Rendsburg", "DE006206"},
    {"See (Ostsee)", "Zollamt", "Rostock", "DE009104"},
    {"See (Ostsee)", "Abfertigungsstelle", "Stralsund (HZA)", "DE009180"},
    {"See (Ostsee)", "Zollamt", "Wismar", "DE009103"},
    {"See (Ostsee)", "Zollamt", "Wolgast", "DE009152"},
    {"See (Nordsee)", "Zollamt", "Brake", "DE005301"},
    {"See (Nordsee)", "Zollamt", "Brunsbüttel", "DE006151"},
    {"See (Nordsee)", "Abfertigungsstelle", "Büsum", "DE006165"},
    {"See (Nordsee)", "Zollamt", "Cuxhaven", "DE004501"},
    {"See (Nordsee)", "Zollamt", "Emden", "DE005004"},
    {"See (Nordsee)", "Zollamt", "Helgoland", "DE004506"},
    {"See (Nordsee)", "Zollamt", "Husum", "DE006155"},
    {"See (Nordsee)", "Abfertigungsstelle", "Lemwerder", "DE005332"},
    {"See (Nordsee)", "Zollamt", "Papenburg", "DE005008"},
    {"See (Nordsee)", "Zollamt", "Stade", "DE005203"},
    {"See (Nordsee)", "Abfertigungsstelle", "Westerland", "DE006159"},
    {"See (Nordsee)", "Zollamt", "Wilhelmshaven", "DE005310"},
    {"See (Nordsee)", "Abfertigungsstelle", "Wyk", "DE006160"},
    {"@", "@", "@", ""},
};
// clang-format on

static_assert(std::size(kOffices) == RowCount + 1);

} // namespace

bool Office::isClosingRow() const
{
    return std::strcmp(category, "@") == 0;
}

QString Office::name() const
{
    return QString::fromUtf8(kind) + QLatin1Char(' ') + QString::fromUtf8(place);
}

std::span<const Office> table()
{
    return kOffices;
}

std::span<const Office> rows()
{
    std::size_t n = 0;
    while (n < std::size(kOffices) && !kOffices[n].isClosingRow())
        ++n;
    return std::span<const Office>(kOffices).first(n);
}

} // namespace CustomsOffices
