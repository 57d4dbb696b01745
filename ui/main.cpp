// SPDX-License-Identifier: GPL-3.0-or-later
// mrvelto: the game. Options: --autoplay [--fast] [--name NAME] [--matches N] [--seed S]
// [--audio-capture FILE.wav] [--scala F], --help, --version.
#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTranslator>

#include "ui/FinestraAvvio.h"
#include "ui/FinestraPrincipale.h"
#include "platform/AmbienteAvvio.h"
#include "platform/ApplicazioneProtetta.h"
#include "platform/ImpostazioniQt.h"
#include "platform/RadiciQt.h"
#include "platform/ScalaFinestra.h"
#include "platform/SegnaliDiUscita.h"
#include "platform/TempiAvvio.h"
#include "platform/UccisioneAlPasso.h"

namespace {

int Gioca(int argc, char** argv) {
    // Read our options before QApplication sees them: on X11 it takes "--name" for itself.
    QStringList argomenti;
    for (int i = 0; i < argc; ++i) argomenti << QString::fromLocal8Bit(argv[i]);
    // Help and version need no screen; without one, Qt would abort in English before we could speak.
    if (mrvelto::SoloTesto(argomenti)) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    } else if (!argomenti.contains(QStringLiteral("-platform"))) {
        const QString senza = mrvelto::MessaggioSenzaSchermo(getenv("QT_QPA_PLATFORM"), getenv("DISPLAY"), getenv("WAYLAND_DISPLAY"));
        if (!senza.isEmpty()) {
            fprintf(stderr, "%s\n", qPrintable(senza));
            return 1;
        }
    }
    mrvelto::ArmaUccisioneAlPasso(getenv("MRVELTO_UCCIDI_AL_PASSO"));
    const mrvelto::ImpostazioniQtTemporanee impostazioniQt;
    mrvelto::ApplicazioneProtetta app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("mrvelto"));
    QApplication::setApplicationVersion(QStringLiteral(MRVELTO_VERSIONE));
    // The installed launcher entry and icon: Wayland matches windows to the entry by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("it.mrvelto.MrVelto"));
    QApplication::setWindowIcon(QIcon::fromTheme(
        QStringLiteral("mrvelto"), QIcon(QString::fromStdString((mrvelto::RadiciDelProgramma().media / "mrvelto.png").string()))));
    // Qt's own dialogs and buttons speak Italian like the rest of the game.
    QTranslator traduttoreQt;
    if (traduttoreQt.load(QLocale(QLocale::Italian), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traduttoreQt);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Mr. VELTO: Briscola a due contro il computer"));
    // Qt's own help option describes itself in English whatever the translation says.
    QCommandLineOption aiuto({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Mostra questo aiuto ed esce."));
    parser.addOption(aiuto);
    parser.addVersionOption();
    QCommandLineOption autoplay(QStringLiteral("autoplay"), QStringLiteral("Un giocatore automatico gioca al posto tuo."));
    QCommandLineOption veloce(QStringLiteral("fast"), QStringLiteral("Il tempo salta da un passo al successivo."));
    QCommandLineOption nome(QStringLiteral("name"), QStringLiteral("Nome del giocatore."), QStringLiteral("NOME"));
    QCommandLineOption partite(QStringLiteral("matches"), QStringLiteral("Partite da giocare prima di uscire."), QStringLiteral("N"));
    QCommandLineOption seme(QStringLiteral("seed"), QStringLiteral("Seme del caso (0: dall'orologio)."), QStringLiteral("S"));
    QCommandLineOption cattura(QStringLiteral("audio-capture"),
                               QStringLiteral("Registra l'audio del gioco, sul suo tempo virtuale, nel file WAV indicato (invece di suonarlo)."),
                               QStringLiteral("FILE.wav"));
    QCommandLineOption scala(QStringLiteral("scala"),
                             QStringLiteral("Grandezza delle finestre, da 1 a 4 (1 = 800 x 633 punti per il tavolo); senza, la più "
                                            "grande fra 1, 1,25, 1,5 e 2 che sta nello schermo."),
                             QStringLiteral("F"));
    parser.addOptions({autoplay, veloce, nome, partite, seme, cattura, scala});
    // A mistake on the command line exits with 2, like a bad value below and like mrvelto-sim.
    if (!parser.parse(argomenti)) {
        fprintf(stderr, "mrvelto: %s\n", qPrintable(parser.errorText()));
        return 2;
    }
    if (parser.isSet(aiuto)) parser.showHelp(0);
    if (parser.isSet(QStringLiteral("version"))) parser.showVersion();

    mrvelto::AvvioFinestra avvio;
    avvio.autoplay = parser.isSet(autoplay);
    avvio.veloce = parser.isSet(veloce);
    avvio.suono = true;
    if (parser.isSet(cattura)) avvio.catturaAudio = parser.value(cattura);
    if (parser.isSet(nome)) avvio.nome = parser.value(nome);
    // The autoplay types the name into the start-up window, which wants three characters.
    if (avvio.autoplay && avvio.nome.size() < 3) {
        fprintf(stderr, "mrvelto: --name vuole almeno tre caratteri\n");
        return 2;
    }
    avvio.finestraIniziale = true;
    bool ok = true;
    if (parser.isSet(partite)) {
        avvio.partite = parser.value(partite).toInt(&ok);
        if (!ok || avvio.partite < 0) {
            fprintf(stderr, "mrvelto: --matches vuole un numero intero non negativo\n");
            return 2;
        }
    }
    if (parser.isSet(seme)) {
        avvio.seme = parser.value(seme).toULongLong(&ok);
        if (!ok) {
            fprintf(stderr, "mrvelto: --seed vuole un numero intero non negativo\n");
            return 2;
        }
    }

    if (parser.isSet(scala)) {
        const std::optional<double> f = mrvelto::LeggiScala(parser.value(scala));
        if (!f) {
            fprintf(stderr, "mrvelto: --scala vuole un numero da 1 a 4 (per esempio 1,5)\n");
            return 2;
        }
        avvio.scala = *f;
    }

    // Without its media the table would be blank and silent: say where they were looked for.
    if (const QString senza = mrvelto::MessaggioSenzaMedia(mrvelto::RadiciDelProgramma().media); !senza.isEmpty()) {
        fprintf(stderr, "%s\n", qPrintable(senza));
        if (!avvio.autoplay && QGuiApplication::platformName() != QStringLiteral("offscreen"))
            QMessageBox::critical(nullptr, QStringLiteral("Mr. VELTO"), senza);
        return 1;
    }

    mrvelto::FinestraPrincipale finestra(avvio);
    QObject::connect(&finestra, &mrvelto::FinestraPrincipale::Finito, &app, [] { QApplication::exit(0); }, Qt::QueuedConnection);
    // Killed politely (logout, Ctrl+C, kill): out the way the exit's yes goes, so that a match
    // decided during the ceremony still reaches the records and the settings are written.
    const mrvelto::SegnaliDiUscita segnali([&finestra](int) { finestra.Programma_().EsciSubito(); });
    mrvelto::FinestraAvvio avvioFinestra(finestra.Programma_(), &finestra, finestra.Scala());
    mrvelto::TempiAvvio tempi;
    if (mrvelto::TempiAvvio::Richiesti()) {
        tempi.Osserva(&avvioFinestra, QStringLiteral("avvio"));
        tempi.Osserva(&finestra, QStringLiteral("tavolo"));
    }
    avvioFinestra.show();
    return QApplication::exec();
}

}  // namespace

int main(int argc, char** argv) {
    const int esito = Gioca(argc, argv);
    // Everything is written and torn down: a run ended by a signal ends as killed by it, so that
    // whoever sent it (a shell, a session manager) sees it obeyed.
    if (const int segnale = mrvelto::SegnaliDiUscita::Ricevuto()) mrvelto::SegnaliDiUscita::FinisciCome(segnale);
    return esito;
}
