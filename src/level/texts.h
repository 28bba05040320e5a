#pragma once

// The Dutch texts of the game's boxes, titles and hints, for every window and the engine, in
// one place; line breaks are CR LF as the message boxes expect. The captions of controls stay
// with the tables that build those controls.
namespace dwaalbos::texts {

inline constexpr const char* kOneindigTitle = "Oneindig";
inline constexpr const char* kOneindig =
    "Als je dit zou doen, zou je in een cirkel terecht komen waardoor je er geen eind aan komt. "
    "Daarom kan dit niet.";
inline constexpr const char* kZelfmoordTitle = "Zelfmoord";
inline constexpr const char* kZelfmoord =
    "Je hebt een orginele manier van zelfmoord gedaan: Je zelf dood duwen!\r\n"
    "Wil je overnieuw beginnen?";
inline constexpr const char* kKlaarTitle = "Klaar!";
inline constexpr const char* kGehaald = "Je hebt het level gehaald!";
inline constexpr const char* kVolgendeTitle = "Volgende?";
inline constexpr const char* kEersteKeer =
    "Je hebt dit level voor het eerst gehaald, gefeliciteerd!\r\n"
    "Wil je gelijk het volgende level doen?";
inline constexpr const char* kNogEens = "Je hebt het level gehaald!\r\nVolgende?";
inline constexpr const char* kVorderingTijdelijk =
    "\r\nHet volgende level is open tot je het spel afsluit.";
inline constexpr const char* kProgramTitle = "Dwaalbos";
inline constexpr const char* kSet1Uit =
    "Je hebt alle levels gehaald!\r\nHartstikke goed!\r\nPerfect!\r\n"
    "Wil je naar de geheime pagina gaan op ";
inline constexpr const char* kSet2Uit =
    "Je hebt alle levels van de tweede levelset uitgespeeld!\r\nDat is ongelooflijk knap!\r\n"
    "Echt waar!\r\nWil je Wubbe Kranen, de maker van het spel en de man die denkt dat bijna "
    "niemand deze tweede levelset kan uitspelen, e-mailen om het te bewijzen?";
// The secret page ships with the game; the mail link leaves the address to the player.
inline constexpr const char* kSecretPage = "help/geheim.htm";
inline constexpr const char* kProofMail =
    "mailto:?Subject=Dwaalbos&body=Ikheb%20de%20tweede%20levelset%20van%20Dwaalbos%20"
    "uitgespeeld%2C%20dat%20had%20je%20niet%20verwacht%20he%3F";
inline constexpr const char* kPauzeTitel = "Klik op het speelvak om verder te gaan";
// How the level went, on the cleared board behind the box; the counts read "%1 zetten".
inline constexpr const char* kGehaaldIn = "Gehaald in %1";
inline constexpr const char* kKortstMogelijk = "Kortst mogelijk: %1";
inline constexpr const char* kPerfect = "Perfect!";
inline constexpr const char* kKanKorter = "Het kan nog %1 korter";
inline constexpr const char* kNieuwRecord = "Nieuw record!";

// Questions before something is thrown away.
inline constexpr const char* kBevestigingTitle = "Bevestiging";
inline constexpr const char* kZekerWeten = "Zeker weten?";
inline constexpr const char* kNietOpgeslagen = "Het level is nog niet opgeslagen. Toch weggaan?";

// Window titles.
inline constexpr const char* kSpelTitel = "Dwaalbos 6.0";
inline constexpr const char* kTitelBegin = "Dwaalbos 6.0: ";
inline constexpr const char* kMenuTitel = "Dwaalbos 6.0: Menu";
inline constexpr const char* kEditorTitel = "Dwaalbos 6.0 level editor";
inline constexpr const char* kTestGehaald = " - testlevel gehaald";
inline constexpr const char* kKiesTitel = "Kies een level";

// Files that could not be written or read; the reason or the file's name follows.
inline constexpr const char* kNotSavedTitle = "Opslaan mislukt";
inline constexpr const char* kNotReadTitle = "Bestand onleesbaar";
inline constexpr const char* kHetBestand = "Het bestand \"";
inline constexpr const char* kNietOpgeslagenReden = " kon niet worden opgeslagen.\r\nReden: ";
inline constexpr const char* kGeenBitmap = "het plaatje kon niet als bitmap worden gemaakt";
inline constexpr const char* kNietGelezen = " kon niet worden gelezen.\r\n";
inline constexpr const char* kGeenLevel = "Het is geen geldig Dwaalbos-level.";
inline constexpr const char* kBestaatNiet = "Het bestaat niet.";
inline constexpr const char* kOntbreekt = " ontbreekt.";
inline constexpr const char* kBeschadigd = " is beschadigd.";
inline constexpr const char* kErZijn = "\r\nEr zijn ";
inline constexpr const char* kVanDe = " van de ";
inline constexpr const char* kLevelsTeSpelen = " levels te spelen.";
// Collections: a damaged one still offers the levels before the damage.
inline constexpr const char* kGeenVerzameling = "Het is geen Dwaalbos-verzameling.";
inline constexpr const char* kLevelAfgebroken = "\r\nLevel %1 is afgebroken.";
inline constexpr const char* kHoogstens999 = "een verzameling heeft hoogstens 999 levels";
inline constexpr const char* kMeerDan999 = "\r\nEen verzameling heeft hoogstens 999 levels.";
inline constexpr const char* kGeenLevelTeSpelen = "\r\nEr is geen level te spelen.";
inline constexpr const char* kEenLevelTeSpelen = "\r\nEr is 1 level te spelen.";
inline constexpr const char* kLevelsTeSpelenN = "\r\nEr zijn %1 levels te spelen.";
inline constexpr const char* kMijnLevels = "Mijn levels";
inline constexpr const char* kDeMap = "De map \"";
inline constexpr const char* kMeerDan999InMap =
    "\" heeft meer dan 999 levels; alleen de eerste 999 staan in \"Mijn levels\".";
inline constexpr const char* kOptiesTijdelijk = "\r\nDe opties gelden tot je het spel afsluit.";
// A file longer than one of its kind can be: the rest was left out when it was written.
inline constexpr const char* kIngekortTitle = "Bestand ingekort";
inline constexpr const char* kTeLang = " was langer dan zo'n bestand kan zijn.\r\nDe ";
inline constexpr const char* kBytesWeggelaten = " bytes aan het eind zijn weggelaten.";
// The system's reasons a write failed, as the player reads them after "Reden: ".
inline constexpr const char* kOnbekendeFout = "Onbekende fout";
inline constexpr const char* kSchijfVol = "Er is geen ruimte meer op de schijf";
inline constexpr const char* kGeenToestemming = "Je hebt er geen toestemming voor";
inline constexpr const char* kAlleenLezen = "Het bestandssysteem is alleen-lezen";
inline constexpr const char* kBestaatNietReden = "Het bestand of de map bestaat niet";
inline constexpr const char* kTeVeelLinks = "Te veel links";
inline constexpr const char* kBezet =
    "Een ander Dwaalbos-spel is er al langer dan een seconde mee bezig";
// A best solutions file that cannot be trusted, after the file's name and kBeschadigd.
inline constexpr const char* kOplossingenKwijt =
    "\r\nDe oplossingen erin worden niet gebruikt; bij je volgende record wordt het opnieuw "
    "geschreven.";
inline constexpr const char* kLevelOpenenTitle = "Level openen";
inline constexpr const char* kGeenLevelBestand =
    "Dit bestand is geen Dwaalbos level of kan niet gelezen worden:\r\n";
inline constexpr const char* kTestenTitle = "Testen";
inline constexpr const char* kTestlevelOnleesbaar = "Het testlevel kan niet worden gelezen.";

// The play window.
inline constexpr const char* kCommentaarTitle = "Commentaar van de maker";
inline constexpr const char* kStartHint =
    "Kies een standaard level met Ctrl+S\n"
    "of open een eigen level met Ctrl+E.\n\n"
    "Beide staan ook in het menu \"Level\".";
inline constexpr const char* kTipTitle = "Tip";
inline constexpr const char* kOplossingTitel = "De oplossing: druk op een toets om te stoppen";
inline constexpr const char* kBekijkBesteOplossing = "Bekijk je beste oplossing";
inline constexpr const char* kGeenSnelleTip = "Hier kan ik zo snel geen tip vinden.";
inline constexpr const char* kNietMeerTeHalen = "Vanaf hier kun je dit level niet meer halen.\r\n";
inline constexpr const char* kTerugWaarHetKon = "Wil je terug naar waar het nog kon?";
inline constexpr const char* kOvernieuwBeginnen = "Wil je overnieuw beginnen?";
inline constexpr const char* kOplossingVraagTitle = "Oplossing";
inline constexpr const char* kOplossingZien =
    "Wil je de oplossing zien? Je gaat daarna verder waar je was.";
// While a search for help runs.
inline constexpr const char* kEvenDenken = "Even denken...";
inline constexpr const char* kStoppen = "Stoppen";

// A new maze made on request.
inline constexpr const char* kNieuwDoolhofTitle = "Nieuw doolhof";
inline constexpr const char* kMoeilijkheid = "&Moeilijkheid:";
inline constexpr const char* kNummer = "&Nummer (leeg: een nieuw):";
inline constexpr const char* kMaken = "Maken";
inline constexpr const char* kPuzzelVanDeDag = "&Puzzel van de dag";
inline constexpr const char* kAnnuleren = "Annuleren";
inline constexpr const char* kDoolhofMaken = "Doolhof maken...";
// %1 the difficulty, %2 the number.
inline constexpr const char* kGeenDoolhof =
    "Voor %1 %2 is op tijd geen doolhof gevonden dat echt zo moeilijk is.\r\n"
    "Wil je een ander nummer proberen?";
inline constexpr const char* kBewaarAlsLevelTitle = "Bewaar als level";

// The level chooser's line on the highlighted level: best result, then the shortest possible.
inline constexpr const char* kBesteEnKortste = "Jouw beste: %1 — kortst mogelijk: %2 zetten";
inline constexpr const char* kZetten = "%1 zetten";
inline constexpr const char* kEenZet = "%1 zet";
inline constexpr const char* kNogNietGehaald = "nog niet gehaald";

// The editor.
inline constexpr const char* kEffeWachtenTitle = "Effe wachten";
inline constexpr const char* kNogNietKlaar =
    "Dit object is nog niet klaar om komt in de volgende versie pas.";
inline constexpr const char* kAlEenBeginTitle = "Er is al een begin";
inline constexpr const char* kAlEenBegin = "Er bestaat al een begin!";
inline constexpr const char* kUitprintenTitle = "Uitprinten";
inline constexpr const char* kGeenPrinter =
    "Er is geen printer gevonden. Stel eerst een printer in en probeer het dan opnieuw.";

// The main menu's bonus program.
inline constexpr const char* kWachtwoordHint =
    "Als er zometeen om een wachtwoord wordt gevraagd moet je 'Pelikaan7' intypen'";
inline constexpr const char* kBonusNietGestart =
    "Het bonusprogramma irunin.bin kon niet worden gestart. Staat het nog in de map van het spel?";

// The main menu's help button without a program to open the page.
inline constexpr const char* kGeenHelpOpener =
    "De helppagina kon niet worden geopend: er is geen programma gevonden dat webpagina's "
    "opent.\r\nJe vindt de pagina hier:\r\n";

}  // namespace dwaalbos::texts
