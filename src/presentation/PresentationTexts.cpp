#include "presentation/PresentationTexts.h"

#include "shell/Cp1252.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace {
const PresentationTexts English = {
    "Question Presentation",
    "When ready press Enter to continue.",
    "Use Up or Down arrow keys to highlight answer, then press Enter. Press F10 to go back to previous "
    "question.",
    "Press Enter to select this answer. Press Tab or Arrows to hear question again.",
    "Press Enter to select this answer.",
    "Presentation Note",
    "You have completed this part of the test. Press Enter to continue.",
    "You have completed the test. Thank you for your participation.\n\nPress Enter to continue.",
};

PresentationTexts MakeSpanish() {
    return {
        Cp1252FromUtf8("Presentación de preguntas"),
        Cp1252FromUtf8("Oprima la tecla «Enter» para seguir."),
        Cp1252FromUtf8("Oprima las teclas de flechas Hacia Arriba o Hacia Abajo para iluminar su respuesta. "
                       "Luego oprima la tecla «Enter». Oprima la tecla «F10» para ver la pregunta anterior."),
        Cp1252FromUtf8("Ilumine la respuesta que usted escoja y luego oprima la tecla «Enter»."),
        Cp1252FromUtf8("Ilumine la respuesta que usted escoja y luego oprima la tecla «Enter»."),
        Cp1252FromUtf8("Nota de Presentación"),
        Cp1252FromUtf8("Usted ha terminado esta parte de la prueba. Oprima la tecla «Enter» para seguir."),
        Cp1252FromUtf8("Usted ha terminado la prueba. Se le agradece su participación.\n\n"
                       "Oprima la tecla «Enter» para terminar."),
    };
}

// The pieces of each text run into each other; "\n" ends a line.
const std::array<const char*, 4> EnglishInstructions = {
    "General Instructions\n\n"
    "The statements in this test are about you, your habits and your situation. Your answers are "
    "confidential, and it is important that you answer every statement truthfully. Court and other "
    "records may be used to check your answers, and dishonest answers will most likely be detected.\n\n"
    "To answer, read each statement carefully. Then use the Down Arrow key to highlight the answer you "
    "choose (a highlighted answer has light blue around it) and press Enter.\n\n"
    "If you want to change your answer before you press Enter, use the Up and Down Arrow keys to move "
    "to another answer. If you want to hear a question again, press the Tab key.\n\n"
    "In this test, \"alcohol\" or \"drinking\" means beer, wine and liquor of every kind. \"Drugs\" "
    "means illegal drugs, such as marijuana, cocaine, methamphetamine or heroin, and also prescription "
    "and non-prescription medicines, such as pain pills, sleeping pills or cough syrup, when they are "
    "not taken as directed.\n\n"
    "If you have a question or need help at any time, ask the testing supervisor. When you are ready, "
    "press the Enter key to begin.",

    "The statements in this section are to be answered TRUE or FALSE.\n\n"
    "If a statement is TRUE highlight \"True\" then press Enter.\n\n"
    "If a statement is FALSE highlight \"False\" then press Enter.\n\n"
    "     Press Enter to begin.",

    "The next series of statements contain items you should rate to "
    "describe yourself.  Rate each statement by selecting the answer that "
    "is accurate for you.  For example:\n\n"
    "                   Rare or Never\n"
    "                   Sometimes\n"
    "                   Often\n"
    "                   Very Often or Always\n\n"
    "Highlight the answer you select, then press Enter.\n\n"
    "     Press Enter to begin.",

    "The statements in this section describe you or your situation. Highlight "
    "the answer (1, 2, 3 or 4) that is accurate for you, then press Enter. \n\n"
    "     Press Enter to begin.",
};

const std::array<const char*, 4> SpanishInstructions = {
    "Instrucciones\n"
    "     Las oraciones de esta prueba tratan sobre usted, sus costumbres y su situación. Sus "
    "respuestas son confidenciales, y es importante que conteste cada oración con la verdad. Los "
    "expedientes del tribunal y otros registros pueden usarse para verificar sus respuestas, y lo más "
    "probable es que una respuesta falsa sea descubierta.\n"
    "     Para contestar, lea con cuidado cada oración. Luego use la tecla de flecha Hacia Abajo para "
    "iluminar la respuesta que usted escoja (la respuesta iluminada tiene un borde azul claro a su "
    "alrededor) y oprima la tecla «Enter».\n"
    "     Si quiere cambiar su respuesta antes de oprimir «Enter», use las teclas de flechas Hacia "
    "Arriba o Hacia Abajo para pasar a otra respuesta. Si quiere escuchar una pregunta otra vez, "
    "oprima la tecla «Tab».\n"
    "     En esta prueba, «alcohol», «beber» o «tomar» quiere decir cerveza, vino y licores de toda "
    "clase. «Drogas» quiere decir las drogas ilegales, como la marihuana, la cocaína, la "
    "metanfetamina o la heroína, y también las medicinas con o sin receta médica, como las pastillas "
    "para el dolor, las pastillas para dormir o el jarabe para la tos, cuando no se toman según las "
    "indicaciones.\n"
    "     Si en algún momento tiene alguna duda o necesita ayuda, hable con la persona que supervisa la "
    "prueba. Oprima la tecla «Enter» para comenzar.",

    "Las oraciones de esta sección deben contestarse con «Cierto» o "
    "«Falso». Si la oración es cierta, ilumine el área que "
    "dice «Cierto» y entonces apriete «Enter». Si la oración es falsa, "
    "ilumine el  área que dice «Falso» y entonces apriete «Enter». "
    "Oprima la tecla «Enter» para comenzar.",

    "Escoja la respuesta que más le acierte a usted al presente. "
    "Ilumine la respuesta que usted escoja en la pantalla y luego "
    "oprima la tecla «Enter». Use la escala de valores siguiente:\n\n"
    "            1. Rara vez o nunca\n"
    "            2. A veces\n"
    "            3. Seguido o a menudo\n"
    "            4. Muy seguido o muy a menudo",

    "Las oraciones de esta sección deben describir su persona o circunstancias. "
    "Ilumine el número de la contestación que usted escoja y que más le acierte: "
    "1, 2, 3 ó 4. Luego oprima la tecla «Enter».",
};
} // namespace

bool IsSpanish(const std::string& language) {
    std::string upper = language;
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return upper == "SPANISH";
}

const PresentationTexts& TextsFor(const std::string& language) {
    static const PresentationTexts spanish = MakeSpanish();
    return IsSpanish(language) ? spanish : English;
}

std::string InstructionText(int which, const std::string& language) {
    const auto k = static_cast<std::size_t>(std::clamp(which, 0, 3));
    return IsSpanish(language) ? Cp1252FromUtf8(SpanishInstructions[k]) : EnglishInstructions[k];
}
