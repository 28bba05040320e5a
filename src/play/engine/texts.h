#pragma once

// The Dutch texts the engine shows; line breaks are CR LF as the message boxes expect.
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
inline constexpr const char* kBevestigingTitle = "Bevestiging";
inline constexpr const char* kZekerWeten = "Zeker weten?";
inline constexpr const char* kPauzeTitel = "Klik op het speelvak om verder te gaan";
inline constexpr const char* kTitelBegin = "Dwaalbos 6.0: ";

}  // namespace dwaalbos::texts
