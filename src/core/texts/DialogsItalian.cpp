// Italian dialog texts (layout of the block: see DialogsEnglish.cpp). The
// set dialogs and the team withdrawal dialog keep their English titles.
#include "texts/TextTable.h"

namespace zav {

extern const TextEntry kDialogsItalian[] = {
    {400, "OK"},
    {401, "Annulla"},
    {402, "Cerca..."},
    {403, "Cambia..."},
    {404, "?"},

    {410, "Dati generali del foglio di gara"},
    {411, "Titolo"},
    {412, "Sottotitolo"},
    {413, "Data"},
    {414, "Orario"},
    {415, "Giudice arbitro"},
    {416, "Numero di squadre"},
    {417, "Numero di giochi"},
    {418, "Punti per la prima squadra"},
    {419, "Regole di eliminazione"},
    {420, "Dati facoltativi per il foglio 'Challenge'"},
    {421, "Titolo 'Challenge'"},
    {422, "Punti per la prima squadra 'Challenge'"},

    {430, "Nomi e colori delle squadre"},
    {431, "Nomi"},
    {432, "Colori"},
    {433, "Challenge"},
    {434, "Squadra %d"},

    {440, "Elenco giochi"},
    {441, "Gioco %d"},

    {450, "Logo : l'altezza massima del logo è di 100 pixel"},

    {460, "Scelta dei colori di visualizzazione"},
    {461, "Colore del titolo e del sottotitolo"},
    {462, "Colore dell'intestazione della tabella"},
    {463, "Colore delle righe pari"},
    {464, "Colore delle righe dispari"},
    {465, "Modelli predefiniti"},
    {466, "Acqua"},
    {467, "Sabbia"},
    {468, "Carbone"},
    {469, "Erba"},
    {470, "Oro"},
    {471, "Argento"},
    {472, "Bronzo"},
    {473, "Solo bianco e nero"},
    {474, "Annulla"},

    {480, "Attenzione : il programma sarà chiuso e poi riaperto per cambiare lingua."},

    {490, "Esporta foglio di gara in PDF"},
    {491, "Esporta elenco giudici di linea e addetti al campo in PDF"},
    {492, "Esporta elenco materiale in PDF"},
    {493, "File PDF (*.pdf)|*.pdf"},
    {494, "Il documento %s manca nella cartella del programma."},
    {495, "Errore durante la scrittura del file PDF = %s"},

    {500, "Inserimento risultato del gioco"},
    {501, "Gioco"},
    {502, "Ordine di arrivo"},
    {503, "Ammonizione"},
    {504, "Spareggio"},
    {600, "Inserimento risultato dello spareggio"},
    {601, "Risultato delle manche precedenti"},
    {602, "Inserimento dati generali"},
    {603, "Inserimento squadre e colori"},
    {604, "Inserimento elenco giochi"},
    {605, "Scelta del logo"},
    {606, "Scelta dei colori"},
    {607, "Lingua del programma"},
    {608, "Inserimento colonna aggiuntiva"},
    {610, "Risultato 'Challenge' delle manche precedenti"},
    {611, "Inserimento nomi degli addetti al campo"},
    {612, "Inserimento nomi dei giudici di linea"},
    {613, "Score sheet set : Default options"},
    {614, "Score sheet set : Group of categories"},
    {615, "Team to delete from current score sheet"},
    {616, "Punteggi"},
    {617, "Cancella tutto"},
    {618, "Risultato 'Challenge' precedente"},
    {619, "Titolo della colonna"},
    {620, "Contenuto per squadra"},
    {621, "Nomi dei giudici di linea"},
    {622, "Nomi degli addetti al campo"},
    {623, "Scegliere la squadra da eliminare dal foglio di gara corrente."},
    {624, "ATTENZIONE : dopo la conferma, l'eliminazione della squadra sarà irreversibile."},

    {900, "Titolo comune"},
    {901, "Il numero di giochi scelto sarà impostato per ogni foglio di gara."},
    {902, "Sarà poi possibile cambiare il valore foglio per foglio."},
    {903, "Regole francesi (punti e regola di eliminazione)"},
    {904, "Regole internazionali (punti e regola di eliminazione)"},
    {905, "Un foglio di gara sarà creato per ogni categoria (Open, Junior, Minime...) "},
    {906, "Le categorie saranno raggruppate su diversi fogli di gara."},
    {907, "Foglio di gara n°"},
    {908, "Scegliete la o le squadre da iscrivere sul foglio di gara il cui numero è indicato sopra."},
    {909, "Per scegliere più squadre, premete CTRL cliccando sulla riga di ogni squadra."},
    {910, "Premete OK quando avete scelto TUTTE le squadre del foglio di gara."},
};
extern const std::size_t kDialogsItalianCount =
    sizeof(kDialogsItalian) / sizeof(kDialogsItalian[0]);

}  // namespace zav
