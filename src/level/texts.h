#pragma once

#include <string>

#include "translation.h"

// The Dutch texts of the game's boxes, titles and hints, for every window and the game, in
// one place; line breaks are CR LF as the message boxes expect. The captions of controls stay
// with the tables that build those controls. Each is marked for translation and shown through
// `texts::tr`.
namespace dwaalbos::texts {

// One of these texts in the language the game speaks.
inline std::string tr(const char* dutch) { return translated("texts", dutch); }

inline constexpr const char* kOneindigTitle = DWAALBOS_TR("texts", "Oneindig");
inline constexpr const char* kOneindig = DWAALBOS_TR(
    "texts",
    "Als je dit zou doen, zou je in een cirkel terecht komen waardoor je er geen eind aan komt. "
    "Daarom kan dit niet.");
inline constexpr const char* kZelfmoordTitle = DWAALBOS_TR("texts", "Zelfmoord");
inline constexpr const char* kZelfmoord =
    DWAALBOS_TR("texts",
                "Je hebt een orginele manier van zelfmoord gedaan: Je zelf dood duwen!\r\n"
                "Wil je overnieuw beginnen?");
inline constexpr const char* kKlaarTitle = DWAALBOS_TR("texts", "Klaar!");
inline constexpr const char* kGehaald = DWAALBOS_TR("texts", "Je hebt het level gehaald!");
inline constexpr const char* kVolgendeTitle = DWAALBOS_TR("texts", "Volgende?");
inline constexpr const char* kEersteKeer =
    DWAALBOS_TR("texts",
                "Je hebt dit level voor het eerst gehaald, gefeliciteerd!\r\n"
                "Wil je gelijk het volgende level doen?");
inline constexpr const char* kNogEens =
    DWAALBOS_TR("texts", "Je hebt het level gehaald!\r\nVolgende?");
inline constexpr const char* kVorderingTijdelijk =
    DWAALBOS_TR("texts", "\r\nHet volgende level is open tot je het spel afsluit.");
inline constexpr const char* kProgramTitle = DWAALBOS_TR("texts", "Dwaalbos");
inline constexpr const char* kSet1Uit =
    DWAALBOS_TR("texts",
                "Je hebt alle levels gehaald!\r\nHartstikke goed!\r\nPerfect!\r\n"
                "Wil je naar de geheime pagina gaan op ");
inline constexpr const char* kSet2Uit = DWAALBOS_TR(
    "texts",
    "Je hebt alle levels van de tweede levelset uitgespeeld!\r\nDat is ongelooflijk knap!\r\n"
    "Echt waar!\r\nWil je Wubbe Kranen, de maker van het spel en de man die denkt dat bijna "
    "niemand deze tweede levelset kan uitspelen, e-mailen om het te bewijzen?");
// The secret page ships with the game; the mail link leaves the address to the player.
inline constexpr const char* kSecretPage = "help/geheim.htm";
inline constexpr const char* kProofMail =
    DWAALBOS_TR("texts",
                "mailto:?Subject=Dwaalbos&body=Ikheb%20de%20tweede%20levelset%20van%20Dwaalbos%20"
                "uitgespeeld%2C%20dat%20had%20je%20niet%20verwacht%20he%3F");
inline constexpr const char* kPauzeTitel =
    DWAALBOS_TR("texts", "Klik op het speelvak om verder te gaan");
// How the level went, on the cleared board behind the box; the counts read "%1 zetten".
inline constexpr const char* kGehaaldIn = DWAALBOS_TR("texts", "Gehaald in %1");
inline constexpr const char* kKortstMogelijk = DWAALBOS_TR("texts", "Kortst mogelijk: %1");
inline constexpr const char* kTeGroot = DWAALBOS_TR("texts", "Te groot om na te gaan");
inline constexpr const char* kPerfect = DWAALBOS_TR("texts", "Perfect!");
inline constexpr const char* kKanKorter = DWAALBOS_TR("texts", "Het kan nog %1 korter");
inline constexpr const char* kNieuwRecord = DWAALBOS_TR("texts", "Nieuw record!");

// Questions before something is thrown away.
inline constexpr const char* kBevestigingTitle = DWAALBOS_TR("texts", "Bevestiging");
inline constexpr const char* kZekerWeten = DWAALBOS_TR("texts", "Zeker weten?");
inline constexpr const char* kNietOpgeslagen =
    DWAALBOS_TR("texts", "Het level is nog niet opgeslagen. Toch weggaan?");

// Window titles.
inline constexpr const char* kSpelTitel = DWAALBOS_TR("texts", "Dwaalbos 6.0");
inline constexpr const char* kTitelBegin = DWAALBOS_TR("texts", "Dwaalbos 6.0: ");
inline constexpr const char* kMenuTitel = DWAALBOS_TR("texts", "Dwaalbos 6.0: Menu");
inline constexpr const char* kEditorTitel = DWAALBOS_TR("texts", "Dwaalbos 6.0 level editor");
// A test play has no panel: its title counts the moves (the level's title, the count).
inline constexpr const char* kTitelMetZetten = DWAALBOS_TR("texts", "%1 — Zetten: %2");
inline constexpr const char* kTestGehaald = DWAALBOS_TR("texts", " - testlevel gehaald");
inline constexpr const char* kKiesTitel = DWAALBOS_TR("texts", "Kies een level");

// Files that could not be written or read; the reason or the file's name follows.
inline constexpr const char* kNotSavedTitle = DWAALBOS_TR("texts", "Opslaan mislukt");
inline constexpr const char* kNotReadTitle = DWAALBOS_TR("texts", "Bestand onleesbaar");
inline constexpr const char* kHetBestand = DWAALBOS_TR("texts", "Het bestand \"");
inline constexpr const char* kNietOpgeslagenReden =
    DWAALBOS_TR("texts", " kon niet worden opgeslagen.\r\nReden: ");
inline constexpr const char* kGeenBitmap =
    DWAALBOS_TR("texts", "het plaatje kon niet als bitmap worden gemaakt");
inline constexpr const char* kNietGelezen = DWAALBOS_TR("texts", " kon niet worden gelezen.\r\n");
inline constexpr const char* kGeenLevel =
    DWAALBOS_TR("texts", "Het is geen geldig Dwaalbos-level.");
inline constexpr const char* kBestaatNiet = DWAALBOS_TR("texts", "Het bestaat niet.");
inline constexpr const char* kOntbreekt = DWAALBOS_TR("texts", " ontbreekt.");
inline constexpr const char* kBeschadigd = DWAALBOS_TR("texts", " is beschadigd.");
inline constexpr const char* kErZijn = DWAALBOS_TR("texts", "\r\nEr zijn ");
inline constexpr const char* kVanDe = DWAALBOS_TR("texts", " van de ");
inline constexpr const char* kLevelsTeSpelen = DWAALBOS_TR("texts", " levels te spelen.");
// Collections: a damaged one still offers the levels before the damage.
inline constexpr const char* kGeenVerzameling =
    DWAALBOS_TR("texts", "Het is geen Dwaalbos-verzameling.");
inline constexpr const char* kLevelAfgebroken = DWAALBOS_TR("texts", "\r\nLevel %1 is afgebroken.");
inline constexpr const char* kHoogstens999 =
    DWAALBOS_TR("texts", "een verzameling heeft hoogstens 999 levels");
inline constexpr const char* kMeerDan999 =
    DWAALBOS_TR("texts", "\r\nEen verzameling heeft hoogstens 999 levels.");
inline constexpr const char* kGeenLevelTeSpelen =
    DWAALBOS_TR("texts", "\r\nEr is geen level te spelen.");
inline constexpr const char* kEenLevelTeSpelen =
    DWAALBOS_TR("texts", "\r\nEr is 1 level te spelen.");
inline constexpr const char* kLevelsTeSpelenN =
    DWAALBOS_TR("texts", "\r\nEr zijn %1 levels te spelen.");
inline constexpr const char* kMijnLevels = DWAALBOS_TR("texts", "Mijn levels");
inline constexpr const char* kDeMap = DWAALBOS_TR("texts", "De map \"");
inline constexpr const char* kMeerDan999InMap = DWAALBOS_TR(
    "texts", "\" heeft meer dan 999 levels; alleen de eerste 999 staan in \"Mijn levels\".");
inline constexpr const char* kOptiesTijdelijk =
    DWAALBOS_TR("texts", "\r\nDe opties gelden tot je het spel afsluit.");
// A file longer than one of its kind can be: the rest was left out when it was written.
inline constexpr const char* kIngekortTitle = DWAALBOS_TR("texts", "Bestand ingekort");
inline constexpr const char* kTeLang =
    DWAALBOS_TR("texts", " was langer dan zo'n bestand kan zijn.\r\nDe ");
inline constexpr const char* kBytesWeggelaten =
    DWAALBOS_TR("texts", " bytes aan het eind zijn weggelaten.");
// The system's reasons a write failed, as the player reads them after "Reden: ".
inline constexpr const char* kOnbekendeFout = DWAALBOS_TR("texts", "Onbekende fout");
inline constexpr const char* kSchijfVol =
    DWAALBOS_TR("texts", "Er is geen ruimte meer op de schijf");
inline constexpr const char* kGeenToestemming =
    DWAALBOS_TR("texts", "Je hebt er geen toestemming voor");
inline constexpr const char* kAlleenLezen =
    DWAALBOS_TR("texts", "Het bestandssysteem is alleen-lezen");
inline constexpr const char* kBestaatNietReden =
    DWAALBOS_TR("texts", "Het bestand of de map bestaat niet");
inline constexpr const char* kTeVeelLinks = DWAALBOS_TR("texts", "Te veel links");
inline constexpr const char* kBezet =
    DWAALBOS_TR("texts", "Een ander Dwaalbos-spel is er al langer dan een seconde mee bezig");
// A best solutions file that cannot be trusted, after the file's name and kBeschadigd.
inline constexpr const char* kOplossingenKwijt = DWAALBOS_TR(
    "texts",
    "\r\nDe oplossingen erin worden niet gebruikt; bij je volgende record wordt het opnieuw "
    "geschreven.");
inline constexpr const char* kResultatenKwijt = DWAALBOS_TR(
    "texts",
    "\r\nDe resultaten erin worden niet gebruikt; bij je volgende record wordt het opnieuw "
    "geschreven.");
inline constexpr const char* kLevelSelecteren = DWAALBOS_TR("texts", "Dwaalbos level selecteren");
inline constexpr const char* kLevelOpenenTitle = DWAALBOS_TR("texts", "Level openen");
inline constexpr const char* kLevelFilter =
    DWAALBOS_TR("texts",
                "Dwaalbos levels en verzamelingen (*.dwb *.dws);;Dwaalbos levels (*.dwb);;"
                "Dwaalbos verzamelingen (*.dws)");
// The open dialog's column beside the file names.
inline constexpr const char* kNaamEnMaker = DWAALBOS_TR("texts", "Naam en maker");
inline constexpr const char* kGeenLevelBestand =
    DWAALBOS_TR("texts", "Dit bestand is geen Dwaalbos level of kan niet gelezen worden:\r\n");
inline constexpr const char* kTestenTitle = DWAALBOS_TR("texts", "Testen");
inline constexpr const char* kTestlevelOnleesbaar =
    DWAALBOS_TR("texts", "Het testlevel kan niet worden gelezen.");

// The play window.
inline constexpr const char* kCommentaarTitle = DWAALBOS_TR("texts", "Commentaar van de maker");
inline constexpr const char* kStartHint = DWAALBOS_TR("texts",
                                                      "Kies een standaard level met Ctrl+S\n"
                                                      "of open een eigen level met Ctrl+E.\n\n"
                                                      "Beide staan ook in het menu \"Level\".");
inline constexpr const char* kTipTitle = DWAALBOS_TR("texts", "Tip");
inline constexpr const char* kOplossingTitel =
    DWAALBOS_TR("texts", "De oplossing: druk op een toets om te stoppen");
inline constexpr const char* kBekijkBesteOplossing =
    DWAALBOS_TR("texts", "Bekijk je beste oplossing");
inline constexpr const char* kGeenSnelleTip =
    DWAALBOS_TR("texts", "Hier kan ik zo snel geen tip vinden.");
inline constexpr const char* kNietMeerTeHalen =
    DWAALBOS_TR("texts", "Vanaf hier kun je dit level niet meer halen.\r\n");
inline constexpr const char* kTerugWaarHetKon =
    DWAALBOS_TR("texts", "Wil je terug naar waar het nog kon?");
inline constexpr const char* kOvernieuwBeginnen =
    DWAALBOS_TR("texts", "Wil je overnieuw beginnen?");
inline constexpr const char* kOplossingVraagTitle = DWAALBOS_TR("texts", "Oplossing");
inline constexpr const char* kOplossingZien =
    DWAALBOS_TR("texts", "Wil je de oplossing zien? Je gaat daarna verder waar je was.");
// While a search for help runs.
inline constexpr const char* kEvenDenken = DWAALBOS_TR("texts", "Even denken...");
inline constexpr const char* kStoppen = DWAALBOS_TR("texts", "Stoppen");

// A level as it is introduced and named beside the board and in the title: what stands in for
// an empty name, maker or comment, and the words around them.
inline constexpr const char* kGeennaam = DWAALBOS_TR("texts", "Geennaam");
inline constexpr const char* kGemaaktDoor = DWAALBOS_TR("texts", "Gemaakt door ");
inline constexpr const char* kDoorAnoniem = DWAALBOS_TR("texts", "anoniem");
inline constexpr const char* kAnoniem = DWAALBOS_TR("texts", "Anoniem");
inline constexpr const char* kGeenCommentaar = DWAALBOS_TR("texts", "Geen commentaar");
inline constexpr const char* kCommentaar = DWAALBOS_TR("texts", "Commentaar: ");
inline constexpr const char* kDoor = DWAALBOS_TR("texts", " door ");

// A new maze made on request.
inline constexpr const char* kNieuwDoolhofTitle = DWAALBOS_TR("texts", "Nieuw doolhof");
inline constexpr const char* kMoeilijkheid = DWAALBOS_TR("texts", "&Moeilijkheid:");
inline constexpr const char* kNummer = DWAALBOS_TR("texts", "&Nummer (leeg: een nieuw):");
inline constexpr const char* kMaken = DWAALBOS_TR("texts", "Maken");
inline constexpr const char* kPuzzelVanDeDag = DWAALBOS_TR("texts", "&Puzzel van de dag");
inline constexpr const char* kAnnuleren = DWAALBOS_TR("texts", "Annuleren");
inline constexpr const char* kDoolhofMaken = DWAALBOS_TR("texts", "Doolhof maken...");
// %1 the difficulty, %2 the number.
inline constexpr const char* kGeenDoolhof =
    DWAALBOS_TR("texts",
                "Voor %1 %2 is op tijd geen doolhof gevonden dat echt zo moeilijk is.\r\n"
                "Wil je een ander nummer proberen?");
inline constexpr const char* kBewaarAlsLevelTitle = DWAALBOS_TR("texts", "Bewaar als level");
inline constexpr const char* kLevelFilterDwb = DWAALBOS_TR("texts", "Dwaalbos levels (*.dwb)");
// The level chooser's new mazes: today's puzzles and a button that asks for any other.
inline constexpr const char* kPuzzelsVanDeDag = DWAALBOS_TR("texts", "Puzzel van de dag:");
inline constexpr const char* kNieuwDoolhofKnop = DWAALBOS_TR("texts", "Nieuw doolhof...");

// The level chooser's line on the highlighted level: best result, then the shortest possible.
inline constexpr const char* kJouwBeste = DWAALBOS_TR("texts", "Jouw beste: %1");
inline constexpr const char* kVerzamelingen = DWAALBOS_TR("texts", "Verzamelingen:");
inline constexpr const char* kBesteEnKortste =
    DWAALBOS_TR("texts", "Jouw beste: %1 — kortst mogelijk: %2 zetten");
inline constexpr const char* kZetten = DWAALBOS_TR("texts", "%1 zetten");
inline constexpr const char* kEenZet = DWAALBOS_TR("texts", "%1 zet");
inline constexpr const char* kNogNietGehaald = DWAALBOS_TR("texts", "nog niet gehaald");
inline constexpr const char* kGehaaldVan = DWAALBOS_TR("texts", "%1 van %2 gehaald");
inline constexpr const char* kSpeelDitLevel = DWAALBOS_TR("texts", "Speel dit level");
inline constexpr const char* kLevelSet1 = DWAALBOS_TR("texts", "Level set 1:");
inline constexpr const char* kLevelSet2 = DWAALBOS_TR("texts", "Level set 2:");
// A level by its name and maker, in lists and the open dialog.
inline constexpr const char* kNaamDoorMaker = DWAALBOS_TR("texts", "%1 door %2");

// The editor.
inline constexpr const char* kEffeWachtenTitle = DWAALBOS_TR("texts", "Effe wachten");
inline constexpr const char* kNogNietKlaar =
    DWAALBOS_TR("texts", "Dit object is nog niet klaar om komt in de volgende versie pas.");
inline constexpr const char* kAlEenBeginTitle = DWAALBOS_TR("texts", "Er is al een begin");
inline constexpr const char* kAlEenBegin = DWAALBOS_TR("texts", "Er bestaat al een begin!");
inline constexpr const char* kUitprintenTitle = DWAALBOS_TR("texts", "Uitprinten");
inline constexpr const char* kGeenPrinter = DWAALBOS_TR(
    "texts", "Er is geen printer gevonden. Stel eerst een printer in en probeer het dan opnieuw.");
// The editor's collections: only a level proved solvable goes in, and a damaged collection is
// left alone so that the levels after the damage are not lost.
inline constexpr const char* kVerzamelingTitle = DWAALBOS_TR("texts", "Verzameling");
inline constexpr const char* kAlleenOplosbaar = DWAALBOS_TR(
    "texts", "Alleen een level dat oplosbaar is, kan in een verzameling.\r\nDit level: ");
inline constexpr const char* kBeschadigdBlijft =
    DWAALBOS_TR("texts",
                "\r\nDe editor verandert een beschadigde verzameling niet, zodat er niets van "
                "verloren gaat.");
inline constexpr const char* kToegevoegd =
    DWAALBOS_TR("texts", "Het level is nu level %1 van \"%2\".");

// The main menu's bonus program.
inline constexpr const char* kWachtwoordHint = DWAALBOS_TR(
    "texts", "Als er zometeen om een wachtwoord wordt gevraagd moet je 'Pelikaan7' intypen'");
inline constexpr const char* kBonusNietGestart = DWAALBOS_TR(
    "texts",
    "Het bonusprogramma irunin.bin kon niet worden gestart. Staat het nog in de map van het spel?");

// The main menu's help button without a program to open the page.
inline constexpr const char* kGeenHelpOpener = DWAALBOS_TR(
    "texts",
    "De helppagina kon niet worden geopend: er is geen programma gevonden dat webpagina's "
    "opent.\r\nJe vindt de pagina hier:\r\n");

}  // namespace dwaalbos::texts
