// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/commandline.h"

#include "cli/sheetoutput.h"
#include "desktop/startup.h"
#include "desktop/windows/ui.h"
#include "engine/catalog/catalog.h"
#include "engine/catalog/checks.h"
#include "engine/catalog/request.h"
#include "engine/rules/random.h"
#include "engine/sheet/copies.h"
#include "engine/sheet/dialogform.h"
#include "engine/sheet/layout.h"

#include <QCommandLineParser>
#include <QGuiApplication>

#include <cstdint>
#include <iostream>
#include <optional>
#include <string>

namespace app {

namespace {

namespace form = print::dialogform;
using widgets::text;

// What one call asks for, read and checked in full before anything is made.
struct Request {
    enum class Action { Help, Version, List, Lines, Sheet };
    Action action = Action::Help;
    // The choice for --righe and --scheda, with the sheet's options for --scheda.
    catalog::SheetRequest sheet;
    std::optional<std::uint64_t> seed;
    SheetDestination destination;
};

// A usage error of the command line's own, already worded for the user; a refused choice
// comes as a catalog::ChoiceError.
struct UsageError {
    std::string message;
};

std::string utf8(const QString& text)
{
    return text.toStdString();
}

class Options {
public:
    Options()
    {
        m_parser.setApplicationDescription(QStringLiteral(
            "Zelmorio inventa operazioni da svolgere in colonna. Senza argomenti (o con i soli "
            "argomenti di Qt, come -platform) apre le finestre; con queste opzioni lavora "
            "senza finestre e senza schermo:\n"
            "  zelmorio --righe INTERVALLO [TIPO] [--divisore 1|2|misto] [--cambi 0|1|2+|zero] "
            "[--resto no|si] [--seme N]\n"
            "  zelmorio --scheda INTERVALLO [TIPO] [opzioni della scheda] "
            "(--pdf FILE | --stampa [--stampante NOME])\n"
            "  zelmorio --elenco"));
        m_parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
        m_parser.addPositionalArgument(
            QStringLiteral("INTERVALLO"),
            QStringLiteral("La finestra: 500, 999, 9999, 99999, 999999, dec999, dec9999, o "
                           "un caso della divisione da 1 a 5."),
            QStringLiteral("INTERVALLO"));
        m_parser.addPositionalArgument(
            QStringLiteral("TIPO"),
            QStringLiteral("Il tipo di operazione della finestra (+2, -, x1, :, m, x10 …); "
                           "nessuno per i casi della divisione. Vedi --elenco."),
            QStringLiteral("[TIPO]"));
        add(m_lines, QStringLiteral("Scrive dieci operazioni, una per riga, come nell'elenco della "
                                    "finestra."));
        add(m_sheet,
            QStringLiteral("Fa una scheda di ottanta operazioni, come il pulsante OK della "
                           "finestra Stampa; va con --pdf o --stampa."));
        add(m_list, QStringLiteral("Elenca ogni intervallo con i suoi tipi di operazione."));
        add(m_seed,
            QStringLiteral("Seme dei numeri casuali: stesse opzioni e stesso seme danno le "
                           "stesse operazioni. Senza, il seme scelto si legge su stderr."),
            QStringLiteral("N"));
        add(m_divisor,
            QStringLiteral("Casi della divisione: divisore di 1 cifra, di 2 cifre o misto "
                           "(predefinito: misto)."),
            QStringLiteral("1|2|misto"));
        add(m_changes,
            QStringLiteral("Difficoltà delle addizioni, sottrazioni e moltiplicazioni, riga per "
                           "riga: senza cambio (0), con un cambio (1), con più cambi (2+), "
                           "sottrazioni con lo zero (zero)."),
            QStringLiteral("0|1|2+|zero"));
        add(m_remainder,
            QStringLiteral("Divisioni esatte (no) o con resto (si); per i casi della divisione, "
                           "esatta è un quoziente che finisce entro i centesimi."),
            QStringLiteral("no|si"));
        add(m_perColumn,
            QStringLiteral("Operazioni per colonna (predefinito: %1).")
                .arg(text(form::valueOf(form::PerColumn, form::PerColumnDefault))),
            QStringLiteral("10|20|30|40"));
        add(m_columns,
            QStringLiteral("Numero di colonne (predefinito: %1).")
                .arg(text(form::valueOf(form::ColumnCount, form::ColumnCountDefault))),
            QStringLiteral("1|2"));
        add(m_copies,
            QStringLiteral("Numero di copie, da 1 a %1 (predefinito: %2).")
                .arg(print::MaxCopies)
                .arg(text(form::CopiesDefault)),
            QStringLiteral("N"));
        add(m_heading,
            QStringLiteral("Intestazione della scheda (predefinita: \"%1\").")
                .arg(text(form::HeadingDefault)),
            QStringLiteral("TESTO"));
        add(m_key, QStringLiteral("Aggiunge in fondo il foglio delle soluzioni."));
        add(m_squares,
            QStringLiteral("Scrive le operazioni in colonna sulla quadrettatura, con quadretti da "
                           "5 mm (classi 2ª e 3ª), da 4 mm (classi 4ª e 5ª) o da 1 cm (10); "
                           "senza, in riga."),
            QStringLiteral("5|4|10"));
        add(m_name, QStringLiteral("Aggiunge sotto l'intestazione di ogni copia la riga per "
                                   "nome e cognome, classe e data."));
        add(m_different,
            QStringLiteral("Dà a ogni copia operazioni sue, numerate in fondo al foglio "
                           "(\"Copia 3 di 25\"); le soluzioni hanno una parte per copia."));
        add(m_pdf, QStringLiteral("Salva la scheda nel file PDF FILE."), QStringLiteral("FILE"));
        add(m_print, QStringLiteral("Manda la scheda alla stampante."));
        add(m_printer,
            QStringLiteral("La stampante da usare con --stampa (predefinita: quella di sistema)."),
            QStringLiteral("NOME"));
        add(m_help, QStringLiteral("Mostra questo aiuto."));
        add(m_version, QStringLiteral("Mostra la versione."));
    }

    Request read(const QStringList& arguments)
    {
        const QStringList kept = own(arguments);
        if (!m_parser.parse(kept))
            throw UsageError{utf8(m_parser.errorText())};
        refuseOptionsTakenAsValues(kept);
        Request r;
        if (m_parser.isSet(m_help))
            return r;
        if (m_parser.isSet(m_version)) {
            r.action = Request::Action::Version;
            return r;
        }

        const int actions = int(m_parser.isSet(m_lines)) + int(m_parser.isSet(m_sheet)) +
                            int(m_parser.isSet(m_list));
        if (actions == 0)
            throw UsageError{"indica che cosa fare: --righe, --scheda o --elenco."};
        if (actions > 1)
            throw UsageError{"--righe, --scheda ed --elenco non vanno insieme: scegline uno."};
        const QStringList positional = m_parser.positionalArguments();
        if (m_parser.isSet(m_list)) {
            refuseAll({&m_seed, &m_divisor, &m_changes, &m_remainder}, "--elenco");
            refuseSheetOptions("--elenco");
            if (!positional.isEmpty())
                throw UsageError{
                    "--elenco non vuole altri argomenti: " + utf8(positional.join(' ')) + "."};
            r.action = Request::Action::List;
            return r;
        }

        catalog::Choice& choice = r.sheet.choice;
        choice.generator = &findGenerator(positional);
        r.seed = seed();
        choice.options = generatorOptions(*choice.generator);
        if (m_parser.isSet(m_lines)) {
            refuseSheetOptions("--righe");
            r.action = Request::Action::Lines;
            return r;
        }
        r.action = Request::Action::Sheet;
        r.sheet.job = sheet();
        catalog::checkFormFits(*choice.generator, r.sheet.job.form);
        r.destination = destination();
        return r;
    }

    QString helpText() const { return m_parser.helpText(); }

    QStringList own(const QStringList& arguments) const
    {
        // Qt's standard arguments, without their dashes: of QGuiApplication, of
        // QApplication and of the X11 platform. Those of the first list take a value, in the
        // next argument or after '='.
        static const QStringList qtValued =
            QStringLiteral("platform platformpluginpath platformtheme plugin qwindowgeometry "
                           "qwindowicon qwindowtitle session style stylesheet qmljsdebugger "
                           "display geometry title icon name visual")
                .split(' ');
        static const QStringList qtFlags =
            QStringLiteral("reverse widgetcount testability sync nograb dograb").split(' ');
        QStringList kept = arguments.mid(0, 1);
        for (qsizetype i = 1; i < arguments.size(); ++i) {
            const QString& a = arguments[i];
            if (a == QLatin1String("--")) {
                kept += arguments.mid(i);
                break;
            }
            if (a.startsWith(QLatin1String("--")) && m_valued.contains(a.mid(2))) {
                // One of the program's options: its value stays, whatever it looks like.
                kept += arguments.mid(i, 2);
                ++i;
                continue;
            }
            const QString name = a.mid(a.startsWith(QLatin1String("--")) ? 2 : 1);
            if (!a.startsWith('-') || a.size() < 2) {
                kept << a;
            } else if (qtValued.contains(name)) {
                ++i;
            } else if (!qtFlags.contains(name) && !qtValued.contains(name.section('=', 0, 0))) {
                kept << a;
            }
        }
        return kept;
    }

private:
    void add(QCommandLineOption& option, const QString& description, const QString& valueName = {})
    {
        option.setDescription(description);
        option.setValueName(valueName);
        m_parser.addOption(option);
        m_names += option.names();
        if (!valueName.isEmpty())
            m_valued += option.names();
    }

    // Whether an argument is one of the program's options, with one dash or two and with or
    // without a value after '='.
    bool namesOption(const QString& argument) const
    {
        if (!argument.startsWith('-'))
            return false;
        const QString name = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
        return m_names.contains(name.section('=', 0, 0));
    }

    // An option that takes a value, written right before another of the program's options,
    // takes that option for its value ("--in-colonna --pdf a.pdf"), and what follows shifts
    // ("troppi argomenti: a.pdf"). The user is told what the option wants instead. A value
    // that does begin like an option is written after '=' ("--intestazione=--pdf").
    void refuseOptionsTakenAsValues(const QStringList& arguments) const
    {
        for (qsizetype i = 1; i + 1 < arguments.size(); ++i) {
            const QString& a = arguments[i];
            if (a == QLatin1String("--"))
                return;
            if (!a.startsWith(QLatin1String("--")) || !m_valued.contains(a.mid(2)))
                continue;
            const QString& taken = arguments[++i];
            if (namesOption(taken))
                refuseAsValue(a.mid(2), utf8(taken));
        }
    }

    // Refuses `value` for the option named `name` with the option's own message, which
    // says what it wants.
    [[noreturn]] void refuseAsValue(const QString& name, const std::string& value) const
    {
        const std::string option = "--" + utf8(name);
        auto is = [&name](const QCommandLineOption& o) { return o.names().contains(name); };
        // No check takes an option's name for a value: each refuses it with its message.
        if (is(m_seed))
            catalog::readSeed(value, option);
        else if (const catalog::GeneratorOption* o = catalog::findOption(utf8(name)))
            catalog::readOptionValue(*o, value, option);
        else if (is(m_perColumn))
            catalog::readPerColumn(&value, option);
        else if (is(m_columns))
            catalog::readColumns(&value, option);
        else if (is(m_copies))
            catalog::readCopies(&value, option);
        else if (is(m_squares))
            catalog::readSquares(&value, option);
        const char* wanted = is(m_heading)   ? "il testo dell'intestazione"
                             : is(m_pdf)     ? "il nome del file"
                             : is(m_printer) ? "il nome della stampante"
                                             : "un valore";
        throw UsageError{option + " vuole " + wanted + ", non l'opzione «" + value +
                         "». Un valore che comincia con «-» va scritto dopo «=»: " + option +
                         "=VALORE."};
    }

    void refuseAll(std::initializer_list<const QCommandLineOption*> options, const char* action)
    {
        for (const QCommandLineOption* o : options)
            if (m_parser.isSet(*o))
                throw UsageError{"--" + utf8(o->names().constLast()) + " non vale con " + action +
                                 "."};
    }

    void refuseSheetOptions(const char* action)
    {
        refuseAll({&m_perColumn, &m_columns, &m_copies, &m_heading, &m_key, &m_squares, &m_name,
                   &m_different, &m_pdf, &m_print, &m_printer},
                  action);
    }

    static const catalog::Generator& findGenerator(const QStringList& positional)
    {
        const std::string range = positional.isEmpty() ? std::string() : utf8(positional[0]);
        // Arguments beyond the window and its kind are told once the window is known.
        if (positional.size() > 2 && !catalog::generatorsOf(range).empty())
            throw UsageError{"troppi argomenti: " + utf8(positional.mid(2).join(' ')) + "."};
        const std::string kind = positional.size() > 1 ? utf8(positional[1]) : std::string();
        return catalog::findGenerator(range, positional.size() > 1 ? &kind : nullptr);
    }

    // The option's name as the user writes it, and its value if it was given.
    static std::string spelling(const QCommandLineOption& option)
    {
        return "--" + utf8(option.names().constLast());
    }

    std::optional<std::string> value(const QCommandLineOption& option) const
    {
        if (!m_parser.isSet(option))
            return std::nullopt;
        return utf8(m_parser.value(option));
    }

    // Reads an option with one of the catalog's checks: `read(value or nullptr, spelling)`.
    template <typename Read> auto checked(const QCommandLineOption& option, Read read) const
    {
        const std::optional<std::string> v = value(option);
        return read(v ? &*v : nullptr, spelling(option));
    }

    // The generator's options, each from the option of its name (--divisore).
    core::GeneratorOptions generatorOptions(const catalog::Generator& g) const
    {
        std::vector<std::string> values; // kept while they are read
        values.reserve(catalog::generatorOptions().size());
        return catalog::readOptions(
            g,
            [&](std::string_view name) -> const std::string* {
                const QString option = QString::fromUtf8(name.data(), qsizetype(name.size()));
                if (!m_parser.isSet(option))
                    return nullptr;
                return &values.emplace_back(utf8(m_parser.value(option)));
            },
            "--");
    }

    std::optional<std::uint64_t> seed() const
    {
        const std::optional<std::string> v = value(m_seed);
        if (!v)
            return std::nullopt;
        return catalog::readSeed(*v, spelling(m_seed));
    }

    print::JobOptions sheet() const
    {
        print::JobOptions job = print::dialogform::defaultJob();
        job.layout.groupCount = checked(m_perColumn, catalog::readPerColumn);
        job.layout.columns = checked(m_columns, catalog::readColumns);
        job.copies = checked(m_copies, catalog::readCopies);
        if (m_parser.isSet(m_heading))
            job.heading = utf8(m_parser.value(m_heading));
        job.answerKey = m_parser.isSet(m_key);
        job.form = checked(m_squares, catalog::readSquares);
        job.layout.nameLine = m_parser.isSet(m_name);
        job.differentCopies = m_parser.isSet(m_different);
        return job;
    }

    SheetDestination destination() const
    {
        SheetDestination s;
        const bool pdf = m_parser.isSet(m_pdf);
        const bool printer = m_parser.isSet(m_print);
        if (pdf == printer)
            throw UsageError{pdf ? "--pdf e --stampa non vanno insieme: scegline uno."
                                 : "indica dove va la scheda: --pdf FILE o --stampa."};
        if (m_parser.isSet(m_printer) && !printer)
            throw UsageError{"--stampante vale solo con --stampa."};
        if (pdf) {
            s.pdfFile = m_parser.value(m_pdf);
            if (s.pdfFile.isEmpty())
                throw UsageError{"--pdf vuole il nome del file."};
        } else {
            s.toPrinter = true;
            s.printerName = m_parser.value(m_printer);
        }
        return s;
    }

    QCommandLineParser m_parser;
    QStringList m_names;  // the names of all the options
    QStringList m_valued; // the names of the options that take a value
    QCommandLineOption m_lines{QStringLiteral("righe")};
    QCommandLineOption m_sheet{QStringLiteral("scheda")};
    QCommandLineOption m_list{QStringLiteral("elenco")};
    QCommandLineOption m_seed{QStringLiteral("seme")};
    QCommandLineOption m_divisor{QStringLiteral("divisore")};
    QCommandLineOption m_changes{QStringLiteral("cambi")};
    QCommandLineOption m_remainder{QStringLiteral("resto")};
    QCommandLineOption m_perColumn{QStringLiteral("per-colonna")};
    QCommandLineOption m_columns{QStringLiteral("colonne")};
    QCommandLineOption m_copies{QStringLiteral("copie")};
    QCommandLineOption m_heading{QStringLiteral("intestazione")};
    QCommandLineOption m_key{QStringLiteral("soluzioni")};
    QCommandLineOption m_squares{QStringLiteral("in-colonna")};
    QCommandLineOption m_name{QStringLiteral("nome")};
    QCommandLineOption m_different{QString::fromLatin1(print::dialogform::DifferentCopiesOption)};
    QCommandLineOption m_pdf{QStringLiteral("pdf")};
    QCommandLineOption m_print{QStringLiteral("stampa")};
    QCommandLineOption m_printer{QStringLiteral("stampante")};
    QCommandLineOption m_help{QStringList{QStringLiteral("h"), QStringLiteral("help")}};
    QCommandLineOption m_version{QStringLiteral("version")};
};

int runRequest(const QStringList& arguments, std::ostream& out, std::ostream& err)
{
    installItalianTranslation();
    Options options;
    Request request;
    auto refuse = [&err](const std::string& message) {
        err << "zelmorio: " << message << "\nPer l'aiuto: zelmorio --help\n";
        return ExitUsage;
    };
    try {
        request = options.read(arguments);
    } catch (const UsageError& e) {
        return refuse(e.message);
    } catch (const catalog::ChoiceError& e) {
        return refuse(e.message);
    }

    switch (request.action) {
    case Request::Action::Help:
        out << utf8(options.helpText());
        return ExitDone;
    case Request::Action::Version:
        out << "zelmorio " << utf8(QCoreApplication::applicationVersion()) << '\n';
        return ExitDone;
    case Request::Action::List:
        out << catalog::generatorListing();
        return ExitDone;
    case Request::Action::Lines:
    case Request::Action::Sheet:
        break;
    }

    const std::uint64_t seed = request.seed ? *request.seed : catalog::freshSeed();
    if (!request.seed)
        err << "seme: " << seed << std::endl;
    if (request.action == Request::Action::Lines) {
        for (const core::Operation& operation : catalog::tenOperations(request.sheet.choice, seed))
            out << core::lineOf(operation) << '\n';
        return ExitDone;
    }
    core::RandomSequence random(seed);
    return makeSheet(request.sheet, request.destination, random, err);
}

QStringList argumentList(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

} // namespace

bool hasOwnArguments(int argc, char** argv)
{
    return Options().own(argumentList(argc, argv)).size() > 1;
}

int runCommand(const QStringList& arguments, std::ostream& out, std::ostream& err)
{
    const int status = runRequest(arguments, out, err);
    // A full disk or a closed pipe may show only when the buffered output is flushed.
    if (!out.flush()) {
        err << "zelmorio: non posso scrivere sullo standard output (disco pieno o uscita "
               "chiusa?): quello che dovevo scrivere è incompleto o perso.\n";
        return ExitFailed;
    }
    return status;
}

int runCommandLine(int argc, char** argv)
{
    // Nothing is shown, yet text needs a platform for its fonts. The offscreen one needs no
    // display, so neither a missing nor a stale DISPLAY, nor a platform named in the
    // environment or by Qt's own arguments, can stop the command line: Qt gets the
    // program's name alone.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};
    QGuiApplication application(qtArgc, qtArgv);
    widgets::installFontSubstitutions();
    return runCommand(argumentList(argc, argv), std::cout, std::cerr);
}

} // namespace app
