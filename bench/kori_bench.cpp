// Timings of the operations whose cost grows with the user's data, each at sizes N and 10 N
// so that linearity can be judged, and the bare directory listing the library is measured against.
#include "Artikelordner.h"
#include "article/ArtikelText.h"
#include "article/Bibliothek.h"
#include "article/Texte.h"
#include "compose/Gliederung.h"
#include "compose/Listing.h"
#include "compose/ListingPruefung.h"
#include "core/TextDatei.h"
#include "lists/Eintraege.h"
#include "ui/Anwendung.h"
#include "ui/BibliothekBedienung.h"
#include "ui/QtPlattform.h"
#include "ui/frmHaupt.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <map>
#include <memory>

namespace {

// Text of `laenge` characters holding about `laenge` / 10.5 commas: 1 MB holds 100,000.
QString textMitKommas(qsizetype laenge) {
    const qsizetype kommas = laenge * 100'000 / 1'048'576;
    QString text(laenge, QLatin1Char('x'));
    for (qsizetype i = 0; i < kommas; ++i) {
        text[i * laenge / kommas] = QLatin1Char(',');
    }
    return text;
}

// A list file of `anzahl` entries, ten to a line, every seventh quoted around a comma.
QString listenDatei(int anzahl) {
    QString inhalt;
    for (int i = 0; i < anzahl; ++i) {
        inhalt += i % 7 == 0 ? QStringLiteral("\"Eintrag %1, mit Komma\"").arg(i)
                             : QStringLiteral("  Eintrag %1 ").arg(i);
        inhalt += i % 10 == 9 ? QStringLiteral("\r\n") : QStringLiteral(",");
    }
    return inhalt;
}

// A description of about `laenge` characters in lines of about 70, with commas.
QString beschreibung(qsizetype laenge) {
    QString text;
    while (text.size() < laenge) {
        text += QStringLiteral("Gut erhalten, kaum gelesen, aus Nichtraucherhaushalt; Versand, Zeile %1\r\n")
                    .arg(text.size());
    }
    return text;
}

ListingEingabe listingEingabe(qsizetype laenge) {
    ListingEingabe e;
    e.versandInfoJa = true;
    e.versandkosten = QStringLiteral("4,90");
    e.versandArt = QStringLiteral("Buechersendung");
    e.aufWasBieten = QStringLiteral("Sie bieten auf einen Krimi");
    e.titel = QStringLiteral("Spannender Krimi Taschenbuch");
    e.untertitel = QStringLiteral("gut erhalten");
    for (std::size_t i = 0; i < e.bilder.size(); ++i) {
        e.bilder[i] = {QStringLiteral("bild%1.jpg").arg(i + 1), QStringLiteral("400"), QStringLiteral("300")};
    }
    e.inhalt = beschreibung(laenge);
    e.inhaltAuto = QStringLiteral("Autor: Unbekannt<br>Verlag: Beispiel");
    e.aufforderung1Ja = true;
    e.aufforderung1 = QStringLiteral("Bitte beachten Sie auch meine anderen Angebote.");
    const QString html = QStringLiteral("<TABLE><TR><TD><DIV>Teil</DIV></TD></TR></TABLE>\r\n");
    for (QString* teil : {&e.teil2, &e.teil3, &e.teil4, &e.htmlTeil0a, &e.htmlTeil0b, &e.htmlTeil0c,
                          &e.htmlTeil0d, &e.htmlTeil3b, &e.htmlTeil3c, &e.htmlTeil5, &e.htmlTeil6,
                          &e.htmlTeil6b, &e.htmlTeil7, &e.farbverlauf}) {
        *teil = html;
    }
    e.htmlTeil1 = QStringLiteral("<HTML><BODY><!---ZUSATZINFO_START---><TABLE>") + html;
    e.bilderPfad = QStringLiteral("https://www.example.com/bilder/");
    e.verkaeuferName = QStringLiteral("Hausverkauf-1");
    e.versionMajor = 4;
    e.versionRevision = 51;
    return e;
}

ArtikelFelder artikelFelder(qsizetype laenge) {
    ArtikelFelder f;
    f.ArtBez = QStringLiteral("Krimi");
    f.Titel = QStringLiteral("Spannender Krimi, Taschenbuch, gut erhalten");
    f.Verlag1 = QStringLiteral("Beispiel, Verlag");
    f.Autor1 = QStringLiteral("Unbekannt");
    f.Versandkosten = QStringLiteral("4,90");
    for (std::size_t i = 0; i < f.Bild.size(); ++i) {
        f.Bild[i] = {1, QStringLiteral("bild%1.jpg").arg(i + 1), QStringLiteral("/home/bilder/%1.jpg").arg(i),
                     QStringLiteral("400"), QStringLiteral("300")};
    }
    f.ArtBeschreibung = beschreibung(laenge);
    return f;
}

const Artikelordner& ordner(int anzahl) {
    static std::map<int, std::unique_ptr<Artikelordner>> ordner;
    auto& eintrag = ordner[anzahl];
    if (!eintrag) {
        eintrag = std::make_unique<Artikelordner>(anzahl);
    }
    return *eintrag;
}

void ErsetzeAlle_Kommas(benchmark::State& state) {
    const QString text = textMitKommas(state.range(0));
    const QString komma = QStringLiteral(",");
    const QString unterstriche = QStringLiteral("__");
    for (auto _ : state) {
        QString arbeit = text;
        int anzahl = 0;
        benchmark::DoNotOptimize(ErsetzeAlle(arbeit, komma, unterstriche, anzahl));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(ErsetzeAlle_Kommas)->Arg(104'858)->Arg(1'048'576)->Unit(benchmark::kMillisecond);

void EintraegeLesen(benchmark::State& state) {
    const QString inhalt = listenDatei(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(eintraegeLesen(inhalt));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(EintraegeLesen)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

void TexteVerbinden(benchmark::State& state) {
    const ListingEingabe eingabe = listingEingabe(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(Texte_Verbinden(eingabe));
    }
    state.SetBytesProcessed(state.iterations() * state.range(0) * 2);
}
BENCHMARK(TexteVerbinden)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

// A listing of the given length made of the markup a template and a seller write: styled blocks,
// pictures, links, a style block, umlauts; a few findings on the way.
ListingPruefEingabe pruefListing(qsizetype laenge) {
    const QString kopf = QStringLiteral("<style type=\"text/css\">#kori img{max-width:100%;height:auto;} "
                                        "#kori td{padding:2px 4px;}</style>\r\n");
    const QString block = QStringLiteral(
        "<div style=\"margin:18px 0 0 0;padding:12px 0 0 0;border-top:2px solid #003366;font-size:15px;\">"
        "<p style=\"margin:0 0 8px 0;\">Schöne Grüße, sorgfältig verpackt &amp; gut erhalten.</p>"
        "<img src=\"https://bilder.example.org/a.jpg\" width=\"400\" height=\"300\" alt=\"Bild\">"
        "<a href=\"https://www.ebay.de/usr/verkaeufer\" target=\"_blank\">Meine Artikel</a></div>\r\n");
    ListingPruefEingabe e;
    e.listing = kopf;
    e.herkunft.append({0, kopf.size(), QStringLiteral("HTML_Code/HTML_text-1.txt")});
    while (e.listing.size() + block.size() <= laenge) {
        e.herkunft.append({e.listing.size(), block.size(), QStringLiteral("Weitere Beschreibung")});
        e.listing += block;
    }
    e.listing += QString(laenge - e.listing.size(), u' ');
    e.bezeichnung = QStringLiteral("Krimi von Agatha Christie, Taschenbuch");
    e.eigeneAdressen = {QStringLiteral("https://bilder.example.org/")};
    return e;
}

void ListingPruefen(benchmark::State& state) {
    const ListingPruefEingabe eingabe = pruefListing(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(ListingPruefen(eingabe));
    }
    state.SetBytesProcessed(state.iterations() * state.range(0) * 2);
}
BENCHMARK(ListingPruefen)->Arg(50'000)->Arg(500'000)->Unit(benchmark::kMillisecond);

// The markup that made the parser's time grow with the square of its length, each filling
// 500,000 characters: elements never closed, formatting a browser opens again for every
// paragraph, tags with a hundred attributes, nesting just below the limit; and the plain
// cost of the densest markup, a tag every four characters.
QString schlimmerFall(const QString& anfang, const QString& wiederholt) {
    QString html = anfang;
    while (html.size() + wiederholt.size() <= kListingHoechstlaenge) {
        html += wiederholt;
    }
    return html;
}

QString hundertAttribute() {
    QString tag = QStringLiteral("<p");
    for (int i = 0; i < 100; ++i) {
        tag += QStringLiteral(" a%1=1").arg(i);
    }
    return tag + QStringLiteral(">x</p>");
}

void ListingPruefenSchlimm(benchmark::State& state, const QString& anfang, const QString& wiederholt) {
    ListingPruefEingabe eingabe;
    eingabe.listing = schlimmerFall(anfang, wiederholt);
    eingabe.herkunft = {{0, eingabe.listing.size(), QStringLiteral("HTML_Code/HTML_text-1.txt")}};
    for (auto _ : state) {
        benchmark::DoNotOptimize(ListingPruefen(eingabe));
    }
    state.SetBytesProcessed(state.iterations() * eingabe.listing.size() * 2);
}
BENCHMARK_CAPTURE(ListingPruefenSchlimm, offene_div, QString(), QStringLiteral("<div>"))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ListingPruefenSchlimm, formatierung_je_absatz, QStringLiteral("<p><b></p>"),
                  QStringLiteral("<p>x"))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ListingPruefenSchlimm, hundert_attribute, QString(), hundertAttribute())
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ListingPruefenSchlimm, tief_unter_der_grenze,
                  QStringLiteral("<div>").repeated(kHoechsteTiefe - 1), QStringLiteral("<div>x</div>"))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ListingPruefenSchlimm, dichte_tags, QString(), QStringLiteral("<br>"))
    ->Unit(benchmark::kMillisecond);

// Writing an article and reading it back the way the program does, up to the controls' values.
void ArtikelSpeichernLesen(benchmark::State& state) {
    const ArtikelFelder felder = artikelFelder(state.range(0));
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("Krimi.ebay"));
    for (auto _ : state) {
        int ersetzt = 0;
        const QString text =
            ArtikelTextBilden(felder, QStringLiteral("Hausverkauf-1"), QStringLiteral("Buch"), ersetzt);
        if (!textSchreiben(pfad, text, Textart::Klartext).isEmpty()) {
            state.SkipWithError("cannot write the article");
            break;
        }
        const ArtikelDateiInhalt inhalt = ArtikelDateiAuswerten(textLesen(pfad).value_or(QString()));
        benchmark::DoNotOptimize(FelderAusZeilenSetzen(inhalt.zeilen, Schluesselsuche::Genau));
        benchmark::DoNotOptimize(inhalt.beschreibung);
    }
    state.SetBytesProcessed(state.iterations() * state.range(0) * 2);
}
BENCHMARK(ArtikelSpeichernLesen)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

// The floor the library is measured against: every name in the folder, nothing filtered or sorted
// (QDir::NoSort would mean the default order, sorted by name).
void VerzeichnisRoh(benchmark::State& state) {
    const QString pfad = ordner(static_cast<int>(state.range(0))).artikel();
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            QDir(pfad).entryList(QDir::AllEntries | QDir::Hidden | QDir::System, QDir::Unsorted));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void EbayDateienListen(benchmark::State& state) {
    const QString pfad = ordner(static_cast<int>(state.range(0))).artikel();
    for (auto _ : state) {
        const QStringList namen = EbayDateienListen(pfad);
        if (namen.size() != state.range(0)) {
            state.SkipWithError("wrong number of articles");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// The same through the library page of the main window, into its list box.
void ArtikelListeFuellen(benchmark::State& state) {
    QtPlattform plattform;
    Anwendung app(ordner(static_cast<int>(state.range(0))).programmordner(), plattform);
    const auto* liste = app.frmHaupt().findChild<QListWidget*>(QStringLiteral("lstDateien"));
    for (auto _ : state) {
        app.frmHaupt().bibliothek().ArtikelListeFuellen();
        if (liste->count() != state.range(0)) {
            state.SkipWithError("wrong number of articles in the list");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void EintraegeSuchen(benchmark::State& state) {
    const QStringList namen = EbayDateienListen(ordner(static_cast<int>(state.range(0))).artikel());
    const QString begriff = QStringLiteral("nr 000777");
    for (auto _ : state) {
        benchmark::DoNotOptimize(EintraegeSuchen(namen, begriff));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void ordnerGroessen(benchmark::internal::Benchmark* b) {
    b->Arg(1'000)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);
}
BENCHMARK(VerzeichnisRoh)->Apply(ordnerGroessen);
BENCHMARK(EbayDateienListen)->Apply(ordnerGroessen);
BENCHMARK(ArtikelListeFuellen)->Apply(ordnerGroessen);
BENCHMARK(EintraegeSuchen)->Apply(ordnerGroessen);

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
