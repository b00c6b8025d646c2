// The network line over QTcpSocket used synchronously (no event loop): the socket's own waits bound every
// read and write; with RFC 2217 the telnet framing is taken off here, so that the callers see plain bytes.

#include "platform/line/leitung_netz.h"
#include "platform/sprache/textmarke.h"

#include "platform/line/rfc2217.h"
#include "platform/line/rs232.h"

#include <QTcpSocket>
#include <QUrl>

#include <string_view>
#include <vector>

namespace {

bool beginntMit(const std::string& s, std::string_view anfang) {
    return s.size() >= anfang.size() && s.compare(0, anfang.size(), anfang) == 0;
}

} // namespace

bool Rs232_IstNetzadresse(const std::string& pfad) {
    return beginntMit(pfad, RS232_SCHEMA_TCP) || beginntMit(pfad, RS232_SCHEMA_RFC2217);
}

bool Rs232_NetzadresseLesen(const std::string& pfad, Rs232_Netzadresse* adresse) {
    if (!Rs232_IstNetzadresse(pfad)) return false;
    const QUrl url(QString::fromStdString(pfad), QUrl::StrictMode);
    const int port = url.port(-1);
    if (!url.isValid() || url.host().isEmpty() || port < 1 || port > 65535 || !url.userInfo().isEmpty() ||
        !url.path().isEmpty() || url.hasQuery() || url.hasFragment())
        return false;
    if (adresse) {
        adresse->rfc2217 = beginntMit(pfad, RS232_SCHEMA_RFC2217);
        adresse->rechner = url.host().toStdString();
        adresse->port = port;
    }
    return true;
}

namespace rs232 {
namespace {

std::string anzeige(const Rs232_Netzadresse& a) {
    return a.rechner + ":" + std::to_string(a.port);
}

// The operator's words for why a socket failed.
std::string netzgrund(const QTcpSocket& s, const Rs232_Netzadresse& a) {
    switch (s.error()) {
    case QAbstractSocket::ConnectionRefusedError:
        return Textmarke_Satz(
            QT_TRANSLATE_NOOP("Plm1", "Verbindung zu %1 abgelehnt (kein Dienst an diesem Port)"), anzeige(a));
    case QAbstractSocket::HostNotFoundError:
        return Textmarke_Satz(QT_TRANSLATE_NOOP("Plm1", "Rechner \"%1\" nicht gefunden"), a.rechner);
    case QAbstractSocket::RemoteHostClosedError:
        return Textmarke_Satz(QT_TRANSLATE_NOOP("Plm1", "Verbindung zu %1 vom Server getrennt"), anzeige(a));
    case QAbstractSocket::SocketTimeoutError:
        return Textmarke_Satz(QT_TRANSLATE_NOOP("Plm1", "%1 antwortet nicht"), anzeige(a));
    case QAbstractSocket::NetworkError:
        return Textmarke_Satz(QT_TRANSLATE_NOOP("Plm1", "%1 nicht erreichbar (%2)"), anzeige(a),
                              s.errorString().toStdString());
    default:
        return Textmarke_Satz(QT_TRANSLATE_NOOP("Plm1", "Netzwerkfehler bei %1: %2"), anzeige(a),
                              s.errorString().toStdString());
    }
}

class NetzLeitung final : public Leitung {
  public:
    NetzLeitung(std::unique_ptr<QTcpSocket> s, Rs232_Netzadresse a) : s_(std::move(s)), a_(std::move(a)) {}
    ~NetzLeitung() override { schliessen(); }

    // Telnet with the COM-port option up to the server's answers to the four settings.
    bool einrichten(const Linienparameter& l, Uhr::time_point ende, int& fehler);

    // A line the server dropped stays "open" as an unplugged adapter does: its calls report the loss.
    bool offen() override { return s_ != nullptr; }

    void schliessen() override {
        if (!s_) return;
        s_->abort();
        s_.reset();
    }

    QByteArray gepuffertAbholen(bool auchLeitung) override {
        if (auchLeitung) (void)empfangen(0);
        QByteArray weg;
        weg.swap(eingang_);
        return weg;
    }

    bool eingangVerwerfen() override {
        (void)empfangen(0); // a loss shows at the next write or read
        eingang_.clear();
        return true;
    }

    // What the socket took is on its way; only Qt's own buffer could still be dropped, and it is handed to
    // the system at every write.
    int ausgangVerwerfen() override { return 0; }

    int schreiben(const char* daten, int anzahl) override {
        if (!verbunden()) return RS232_FEHLER_LEITUNG;
        const QByteArray roh = a_.rfc2217 ? Rfc2217_Maskieren(daten, anzahl) : QByteArray(daten, anzahl);
        if (s_->write(roh) != roh.size()) return verloren();
        s_->flush();
        return verbunden() ? anzahl : RS232_FEHLER_LEITUNG;
    }

    int ausgangLaenge() override { return verbunden() ? static_cast<int>(s_->bytesToWrite()) : verloren(); }

    int wartenBisGesendet(Uhr::time_point ende, double /*zeichenzeitS*/) override {
        while (s_->bytesToWrite() > 0) {
            const int rest = restMs(ende);
            if (rest <= 0) return RS232_FEHLER_ZEITLIMIT;
            if (!s_->waitForBytesWritten(rest) && !verbunden()) return verloren();
        }
        return verbunden() ? 0 : verloren();
    }

    int byteLesen(int zeitlimitMs) override {
        const auto ende = Uhr::now() + std::chrono::milliseconds(zeitlimitMs);
        while (eingang_.isEmpty()) {
            if (const int r = empfangen(restMs(ende)); r < 0) return r;
            if (eingang_.isEmpty() && restMs(ende) <= 0) return RS232_FEHLER_ZEITLIMIT;
        }
        const auto byte = static_cast<unsigned char>(eingang_.front());
        eingang_.remove(0, 1);
        return byte;
    }

    int terminiertLesen(Leseauftrag& a, int zeitlimitMs) override {
        const auto grenze = std::chrono::milliseconds(zeitlimitMs);
        auto fortschritt = Uhr::now();
        for (;;) {
            qsizetype i = 0;
            bool fertig = false;
            while (!fertig && a.n < a.count && i < eingang_.size()) {
                const auto byte = static_cast<unsigned char>(eingang_[i++]);
                a.puffer[a.n++] = static_cast<char>(byte);
                fertig = byte == a.terminator || (a.n == 1 && a.erstes >= 0 && byte != a.erstes);
            }
            eingang_.remove(0, i);
            if (fertig || a.n >= a.count) return a.n;
            const int r = empfangen(restMs(fortschritt + grenze));
            if (r < 0) return r;
            if (r > 0)
                fortschritt = Uhr::now();
            else if (Uhr::now() >= fortschritt + grenze)
                return RS232_FEHLER_ZEITLIMIT;
        }
    }

    std::string grund() const override { return grund_; }

  private:
    bool verbunden() const { return s_ && s_->state() == QAbstractSocket::ConnectedState; }

    int verloren() {
        grund_ = s_ && s_->error() != QAbstractSocket::UnknownSocketError
                     ? netzgrund(*s_, a_)
                     : Textmarke_Satz(QT_TRANSLATE_NOOP("Plm1", "Verbindung zu %1 vom Server getrennt"),
                                      anzeige(a_));
        return RS232_FEHLER_LEITUNG;
    }

    // Waits up to `ms` for bytes from the server and takes them in: the payload bytes that came (0 when
    // none did), or negative when the connection is gone.
    int empfangen(int ms) {
        if (s_->bytesAvailable() == 0 && !s_->waitForReadyRead(ms) && s_->bytesAvailable() == 0)
            return verbunden() ? 0 : verloren();
        const QByteArray roh = s_->readAll();
        if (!a_.rfc2217) {
            eingang_.append(roh);
            return static_cast<int>(roh.size());
        }
        const qsizetype vorher = eingang_.size();
        std::vector<Telnetbefehl> befehle;
        dekoder_.zufuehren(roh.constData(), static_cast<int>(roh.size()), eingang_, befehle);
        for (const Telnetbefehl& b : befehle) {
            const QByteArray antwort = Rfc2217_Erwidern(b);
            if (!antwort.isEmpty()) s_->write(antwort);
            befehleOffen_.push_back(b);
        }
        s_->flush();
        return static_cast<int>(eingang_.size() - vorher);
    }

    std::unique_ptr<QTcpSocket> s_;
    Rs232_Netzadresse a_;
    QByteArray eingang_; // received payload not read yet
    Rfc2217_Dekoder dekoder_;
    std::vector<Telnetbefehl> befehleOffen_; // server commands that the opening still looks at
    std::string grund_;
};

bool NetzLeitung::einrichten(const Linienparameter& l, Uhr::time_point ende, int& fehler) {
    const std::string einstellung = std::to_string(l.baud) + " " + std::to_string(l.dataBits) +
                                    (l.parity == RS232_PARITY_ODD    ? "O"
                                     : l.parity == RS232_PARITY_EVEN ? "E"
                                                                     : "N") +
                                    std::to_string(l.stopBits);
    std::vector<Telnetbefehl> erwartet = Rfc2217_ErwarteteAntworten(l.baud, l.dataBits, l.parity, l.stopBits);
    std::size_t bestaetigt = 0;
    bool einstellungenGesendet = false;
    s_->write(Rfc2217_Eroeffnung());
    s_->flush();
    while (bestaetigt < erwartet.size()) {
        if (empfangen(restMs(ende)) < 0) {
            fehler = RS232_FEHLER_ALLGEMEIN;
            return false;
        }
        for (const Telnetbefehl& b : befehleOffen_) {
            if (b.option != TELNET_OPT_COM_PORT) continue;
            if (b.verb == TELNET_WONT || b.verb == TELNET_DONT) {
                grund_ = Textmarke_Satz(
                    QT_TRANSLATE_NOOP("Plm1", "%1 kennt die COM-Port-Steuerung (RFC 2217) nicht"),
                    anzeige(a_));
                fehler = RS232_FEHLER_PARAMETER;
                return false;
            }
            if (b.verb == TELNET_DO && !einstellungenGesendet) {
                s_->write(Rfc2217_Einstellungen(l.baud, l.dataBits, l.parity, l.stopBits));
                s_->flush();
                einstellungenGesendet = true;
            }
            if (b.verb != TELNET_SB || b.daten.isEmpty()) continue;
            // Answers to other commands (line and modem state) are not ours to check.
            for (const Telnetbefehl& e : erwartet) {
                if (e.daten.front() != b.daten.front()) continue;
                if (e.daten != b.daten) {
                    grund_ = Textmarke_Satz(
                        QT_TRANSLATE_NOOP("Plm1", "%1 hat die Leitungseinstellung %2 nicht übernommen"),
                        anzeige(a_), einstellung);
                    fehler = RS232_FEHLER_PARAMETER;
                    return false;
                }
                ++bestaetigt;
            }
        }
        befehleOffen_.clear();
        if (bestaetigt < erwartet.size() && restMs(ende) <= 0) {
            grund_ = Textmarke_Satz(
                QT_TRANSLATE_NOOP(
                    "Plm1", "%1 beantwortet die COM-Port-Steuerung (RFC 2217) nicht innerhalb von %2 s"),
                anzeige(a_), RS232_NETZ_VERBINDEN_MS / 1000);
            fehler = RS232_FEHLER_ZEITLIMIT;
            return false;
        }
    }
    eingang_.clear(); // nothing sent before the open belongs to us
    return true;
}

} // namespace

std::unique_ptr<Leitung> Leitung_NetzOeffnen(const Rs232_Netzadresse& a, const Linienparameter& l,
                                             int& fehler, std::string& grund) {
    const auto ende = Uhr::now() + std::chrono::milliseconds(RS232_NETZ_VERBINDEN_MS);
    auto s = std::make_unique<QTcpSocket>();
    s->connectToHost(QString::fromStdString(a.rechner), static_cast<quint16>(a.port));
    if (!s->waitForConnected(RS232_NETZ_VERBINDEN_MS)) {
        grund = netzgrund(*s, a);
        fehler = RS232_FEHLER_ALLGEMEIN;
        return nullptr;
    }
    // Commands are a few bytes each: send them at once instead of gathering.
    s->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    auto leitung = std::make_unique<NetzLeitung>(std::move(s), a);
    if (a.rfc2217 && !leitung->einrichten(l, ende, fehler)) {
        grund = leitung->grund();
        return nullptr;
    }
    fehler = 0;
    return leitung;
}

} // namespace rs232
