#include "bonus_texts.h"

#include <algorithm>

namespace dwaalbos::irunin {

QString congratulationText() { return QStringLiteral("Gefeliciteerd!"); }

QString subtitle() {
  return QStringLiteral(
      "Je hebt alle 23 levels van de eerste levelset uitgespeeld\n"
      "en de geheime open plek in het Dwaalbos gevonden.");
}

const QStringList& secrets() {
  static const QStringList list{
      QStringLiteral("Geheim: een vierwegpijl houdt je richting vast. Laat twee stromen elkaar "
                     "kruisen en een blok gaat er dwars overheen."),
      QStringLiteral("Geheim: de schakelaar zet alle hekken tegelijk om, waar ze ook staan. "
                     "Soms is het slim om eerst een omweg langs een schakelaar te maken."),
      QStringLiteral("Geheim: elke sleutel past op elke deur. Tel je sleutels voordat je een "
                     "deur openmaakt; misschien heb je er verderop nog een nodig."),
      QStringLiteral("Tip: zet in Opties 'Volg pijlen met lijnen' aan. Dan zie je precies welke "
                     "weg een blok over de pijlen neemt: blauw voor blokken, wit voor jou."),
      QStringLiteral("Tip: in de editor speel je je level meteen met Uittesten. Daarna staat je "
                     "level gewoon weer klaar om verder aan te werken."),
      QStringLiteral("Geheim: een spin houdt duwblokken tegen, maar jij kunt er zo overheen "
                     "lopen. In de editor zit hij onder F1... maar hij is nog niet klaar."),
      QStringLiteral("Uitdaging: de tweede levelset is nog veel moeilijker. De maker denkt dat "
                     "bijna niemand hem uitspeelt. Bewijs maar dat hij ongelijk heeft!"),
  };
  return list;
}

int secretAt(qint64 milliseconds) {
  return static_cast<int>((milliseconds / kSecretMilliseconds) % secrets().size());
}

double visibilityAt(qint64 milliseconds) {
  const qint64 inside = milliseconds % kSecretMilliseconds;
  const qint64 edge = std::min(inside, kSecretMilliseconds - inside);
  return std::min(1.0, static_cast<double>(edge) / kFadeMilliseconds);
}

}  // namespace dwaalbos::irunin
