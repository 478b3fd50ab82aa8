#include "shell/info_window.h"

#include <string>

#include <gtest/gtest.h>

namespace norvexa {
namespace {

TEST(InfoWindow, ShowsItsCaptionsAndClosesOnOkOrLosingActivation) {
    InfoWindow window;
    const std::string release = "NORVEXA rel " + std::string(program_version);
    EXPECT_EQ(window.caption, release);
    EXPECT_EQ(window.find("Label1")->text, release);
    EXPECT_EQ(window.find("Label2")->text, "SOFTWARE PER LA VERIFICA DI SEZIONI IN C.A. AGLI STATI LIMITE ULTIMI");
    EXPECT_EQ(window.find("Label3")->text, "Ideazione, progettazione e realizzazione a cura di");
    EXPECT_EQ(window.find("Label5")->text, "Per informazioni, commenti o segnalazione di errori:");
    EXPECT_EQ(window.find("Command2")->text, "OK");
    for (const Control* block : {window.find("Label4"), window.find("Label6"), window.find("Label7")})
        EXPECT_FALSE(block->text.empty());

    window.show();
    EXPECT_TRUE(window.is_visible());
    window.Command2_Click();
    EXPECT_FALSE(window.is_visible());
    window.show();
    window.Form_Deactivate();
    EXPECT_FALSE(window.is_visible());
    EXPECT_FALSE(window.is_loaded());
}

}  // namespace
}  // namespace norvexa
