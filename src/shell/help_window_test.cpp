#include "shell/help_window.h"

#include <gtest/gtest.h>

#include "common/manual_install.h"
#include "common/program_folder.h"
#include "scratch_folder.h"

namespace norvexa {
namespace {

namespace fs = std::filesystem;

// The manual as it ships, beside this test in the source tree.
fs::path source_manual() { return fs::path(__FILE__).parent_path().parent_path() / "report" / "manual" / "manuale.rtf"; }

MainWindowPlace main_window(int left, int top, int width, int height, WindowState state = WindowState::normal) {
    MainWindowPlace main;
    main.place = main.normal_place = {left, top, width, height};
    main.state = state;
    return main;
}

TEST(HelpWindow, StartsWithTheBuiltInTextsAndKeepsAnEarlierHoverText) {
    HelpLine line;
    HelpWindow help(line);
    EXPECT_EQ(help.lh(), HelpWindow::lh_start_text);
    EXPECT_EQ(help.RichTextBox1().texts(), std::vector<std::string>{"(MANUALE SOFTWARE NON TROVATO)"});
    EXPECT_EQ(help.caption, "Help");
    EXPECT_EQ(help.find("Label1")->text, "Manuale norvexa");
    EXPECT_EQ(help.find("Command2")->text, "Chiudi");
    EXPECT_EQ(help.menu_caption, "Guida");
    EXPECT_EQ(help.find("ch")->text, "Chiudi guida");

    HelpLine hovered;
    hovered.set("Caratteristiche Cls selezionato");
    HelpWindow later(hovered);
    EXPECT_EQ(later.lh(), "Caratteristiche Cls selezionato");
}

TEST(HelpWindow, GuidaNarrowsTheMainWindowAndPlacesTheHelpBesideTheInputWindow) {
    ScratchHome home;
    const struct {
        const char* name;
        MainWindowPlace main;
        WindowPlace main_after, help;
    } cases[] = {
        {"wide and tall", main_window(300, 200, 10000, 12000), {300, 200, 7445, 12000}, {300 + 7000 + 100, 200, 8400, 11520}},
        {"narrow and short", main_window(0, 0, 7000, 9000), {0, 0, 7000, 9000}, {7100, 0, 8400, 9000}},
        {"exactly the bounds", main_window(0, 0, 7445, 11520), {0, 0, 7445, 11520}, {7100, 0, 8400, 11520}},
        {"maximised: restored first",
         [] {
             MainWindowPlace main = main_window(0, 0, 24000, 15000, WindowState::maximised);
             main.normal_place = {600, 450, 9000, 10000};
             return main;
         }(),
         {600, 450, 7445, 10000},
         {600 + 7000 + 100, 450, 8400, 10000}},
    };
    for (const auto& c : cases) {
        HelpLine line;
        HelpWindow help(line);
        MainWindowPlace main = c.main;
        help.guida(main, 7000, 7500, 1035);
        EXPECT_EQ(main.state, WindowState::normal) << c.name;
        EXPECT_EQ(main.place, c.main_after) << c.name;
        EXPECT_EQ(help.place(), c.help) << c.name;
        EXPECT_TRUE(help.is_visible()) << c.name;
    }
}

TEST(HelpWindow, GuidanonPutsTheHelpOverTheAnalysisWindowAtTheMainWindowsTop) {
    ScratchHome home;
    HelpLine line;
    HelpWindow help(line);
    const MainWindowPlace main = main_window(150, 90, 20000, 14000, WindowState::maximised);
    help.guidanon(main, 7500, 1035);
    EXPECT_EQ(help.place(), (WindowPlace{7500, 90, 8400, 11520}));
    EXPECT_TRUE(help.is_visible());

    // Loaded once: a second call keeps the left edge even when the analysis window moved.
    help.guidanon(main_window(0, 40, 9000, 6000), 100, 100);
    EXPECT_EQ(help.place(), (WindowPlace{7500, 40, 8400, 6000}));

    // Closing unloads it: the next call loads it again over the analysis window.
    help.Command2_Click();
    EXPECT_FALSE(help.is_visible());
    help.guidanon(main_window(0, 40, 9000, 6000), 100, 100);
    EXPECT_EQ(help.place().left, 100);
}

TEST(HelpWindow, LoadsTheManualOfTheProgramFolderOrKeepsTheBuiltInText) {
    ScratchHome home;
    HelpLine line;
    HelpWindow help(line);
    MainWindowPlace main = main_window(0, 0, 10000, 12000);
    const std::vector<std::string> built_in = {"(MANUALE SOFTWARE NON TROVATO)"};

    help.guidanon(main, 0, 0);
    EXPECT_EQ(help.RichTextBox1().texts(), built_in);
    EXPECT_FALSE(help.manual_loaded());

    put_bytes(manual_file(), "Manuale in testo semplice");
    help.guidanon(main, 0, 0);
    EXPECT_EQ(help.RichTextBox1().texts(), built_in);

    put_bytes(manual_file(), "{\\rtf1\\ansi {\\b Introduzione}\\par Norvexa verifica\\par}");
    const unsigned long before = help.manual_revision();
    help.guida(main, 7000, 0, 0);
    EXPECT_EQ(help.RichTextBox1().texts(), (std::vector<std::string>{"Introduzione", "Norvexa verifica"}));
    EXPECT_TRUE(help.RichTextBox1().paragraphs[0].runs[0].bold);
    EXPECT_TRUE(help.manual_loaded());
    EXPECT_NE(help.manual_revision(), before);

    help.ch_Click();
    EXPECT_EQ(help.RichTextBox1().texts(), built_in);
    fs::remove(manual_file());
    help.guidanon(main, 0, 0);
    EXPECT_EQ(help.RichTextBox1().texts(), built_in);
}

TEST(HelpWindow, InstallsTheShippedManualButNeverOverAUsersCopy) {
    ScratchHome home;
    ScratchFolder shipping;
    const fs::path shipped = shipping.path() / "manuale.rtf";
    put_bytes(shipped, "{\\rtf1 Manuale distribuito\\par}");
    HelpLine line;
    HelpWindow help(line);
    help.shipped_manual = shipped;
    help.guidanon(main_window(0, 0, 10000, 12000), 0, 0);
    EXPECT_EQ(help.RichTextBox1().texts(), std::vector<std::string>{"Manuale distribuito"});
    EXPECT_TRUE(fs::exists(manual_file()));

    put_bytes(manual_file(), "{\\rtf1 Manuale con le mie note\\par}");
    help.guidanon(main_window(0, 0, 10000, 12000), 0, 0);
    EXPECT_EQ(help.RichTextBox1().texts(), std::vector<std::string>{"Manuale con le mie note"});
}

TEST(HelpWindow, HoverTextsWaitForTheWindowAndItsOwnPointerResetsThem) {
    ScratchHome home;
    HelpLine line;
    HelpWindow help(line);
    line.set("Inserire sollecitazioni di progetto. ");  // written while the help is closed
    help.guidanon(main_window(0, 0, 10000, 12000), 0, 0);
    EXPECT_EQ(help.lh(), "Inserire sollecitazioni di progetto. ");
    help.RichTextBox1_MouseMove();
    EXPECT_EQ(help.lh(), HelpWindow::lh_start_text);
    line.set("Clikkare solo dopo aver inserito tutti i dati richiesti");
    help.Form_MouseMove();
    EXPECT_EQ(help.lh(), HelpWindow::lh_start_text);
}

TEST(HelpWindow, NeitherTheHelpLineNorTheManualKeepsTheFocus) {
    HelpLine line;
    HelpWindow help(line);
    help.lh_GotFocus();
    EXPECT_EQ(help.focus(), "Command2");
    help.focus_given();
    help.RichTextBox1_GotFocus();
    EXPECT_EQ(help.focus(), "Command2");
}

TEST(HelpWindow, TheShippedManualIsWholeAndExplainsEveryMessage) {
    const auto bytes = read_small_file(source_manual(), largest_manual_bytes);
    ASSERT_TRUE(bytes) << source_manual();
    for (const unsigned char c : *bytes) ASSERT_LT(c, 0x80) << "the manual is plain ASCII with escapes";
    const RtfDocument manual = read_rtf(*bytes);
    ASSERT_TRUE(manual.intact);
    ASSERT_GT(manual.paragraphs.size(), 150u);
    std::string text;
    int headings = 0, table_rows = 0;
    for (const auto& paragraph : manual.paragraphs) {
        text += paragraph.text() + "\n";
        headings += !paragraph.runs.empty() && paragraph.runs.front().bold && paragraph.runs.front().size >= 13;
        table_rows += paragraph.table_row;
    }
    EXPECT_GE(headings, 12);
    EXPECT_GE(table_rows, 10);
    // Every message the program shows, as the user reads it (a name or path stands where
    // the program adds one).
    for (const char* message : {
             "Errore di sintassi: ",
             "Controllare i dati Calcestruzzo",
             "Controllare i dati Acciaio",
             "Controllare dati Armature Longitudinali",
             "Controllare dati Staffe",
             "Controllare dati Sollecitazioni: Inserire valore taglio di progetto",
             "Controllare dati Sollecitazioni: Inserire valore momento sollecitante di progetto",
             "Controllare dati Geometria sezione",
             "Controllare dati (no found)",
             "Controllare dati: 2 strati barre alla stessa distanza",
             "Controllare i dati: d1 > H trave",
             "File non valido",
             "Salvare le modifiche apportate a ",
             "Sovrascrivere il file ",
             "Prima di visualizzare la relazione è necessario eseguire il calcolo",
             "Prima di effettuare la stampa eseguire il calcolo",
             "Problemi di connessione con microsoft word o notepad. Per aggiornare/visualizzare la relazione "
             "chiudere il file in microsoft word/notepad",
             "Impossibile salvare la relazione: ",
             "Impossibile salvare le impostazioni: ",
             "Impossibile scrivere il file ",
             "Impossibile leggere il materiale ",
             "Il software non verifica i dati inseriti; Avere cura che ci sia corrispondenza tra valori e "
             "coefficienti. (Per ulteriori informazioni consultare la guida)",
             "Selezionare materiale da modificare",
             "Selezionare materiale da cancellare",
             "Eliminare il materiale ",
             "Impossibile salvare/modificare il materiale; Per maggiori informazioni consultare la guida",
             "Per un corretto funzionamento del software è necessario utilizzare una risoluzione minima di 1024x768 "
             "a 65536 colori",
             "Operazione riuscita; Riavviare il software",
             "Norvexa non può essere caricato",
             "Impossibile creare le cartelle del programma",
             "Calcolatrice non disponibile",
             "Nessun programma disponibile per aprire ",
             "Documento non presente: ",
             "Attenzione: per rendere effettive le nuove impostazioni la form principale verrà ricaricata e i dati "
             "correnti verranno persi",
             "norvexa-verify",
             "Esporta PDF...",
             " non valida nel blocco delle verifiche: ",
             "--combinazioni",
         })
        EXPECT_NE(text.find(message), std::string::npos) << message;
}

}  // namespace
}  // namespace norvexa
