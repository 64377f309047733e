// Every text the program shows, once (an X-macro table: no include guard, it
// is included with ZAV_TEXT defined): its offset, its name, then the text in
// French, English, Italian and German (UTF-8). Included by texts/Texts.h to
// name the offsets (TextId) and by texts/Texts.cpp to hold the texts; an
// entry without its four languages does not compile.
//
// Offsets are the numbers the program has always used: a text's full number
// is its language block (1000 French, 2000 English, 3000 Italian, 4000
// German) plus its offset, and the placement pictures are named after the
// full number of a catalogue game ("2140.png").
//   0..89     menu labels (71..76 and 84 name French documents, in French in
//             every language)
//   100..139  file choosers, messages, page column titles
//   140..181  the game catalogue (German names carry "- " break points for
//             the narrow columns of the score sheet); 240..281 the equipment
//             of each game, at the game's offset + 100
//   300..347  periods, languages, result entries, staff page, set messages
//   400..499  buttons, labels and notes of the dialogs
//   500..624  dialog titles and the entry dialogs' headings; 505..599 the
//             arena's screens, their choices, the judges' phones
//   640..659  saving safely: protected files and folders, set file entries,
//             the save question
//   660..699  keyboard entry of results, first steps (welcome page, guide),
//             the judge's card of the arena network
//   706..719  Windows: a file another program holds open, PDF export
//   726       Windows: print preview without a printer
//   750..769  undo and redo, crash recovery
//   770..799  published results and the full-screen view
//   860..889  upload to the event's web site, the site's arenas
//   900..910  score sheet set dialogs
//   920..959  championships: previous scores from earlier sheets, the table
//   960..999  provisional and official heats, where each result came from
//
// One text per line, never wrapped, so that translations stay easy to edit.
// clang-format off
ZAV_TEXT(0, MenuNewSheet,
         "Nouvelle feuille de match",
         "New score sheet",
         "Nuovo foglio di gara",
         "Neuer Wertungsbogen")
ZAV_TEXT(1, MenuOpenSheet,
         "Ouvrir une feuille de match",
         "Open score sheet",
         "Apri foglio di gara",
         "Wertungsbogen öffnen")
ZAV_TEXT(2, MenuSaveSheet,
         "Enregistrer la feuille de match",
         "Save score sheet",
         "Salva foglio di gara",
         "Wertungsbogen speichern")
ZAV_TEXT(3, MenuSaveSheetAs,
         "Enregistrer la feuille de match sous...",
         "Save score sheet as...",
         "Salva foglio di gara con nome...",
         "Wertungsbogen speichern unter...")
ZAV_TEXT(4, MenuPageSetup,
         "Mise en page...",
         "Page setup...",
         "Imposta pagina...",
         "Seite einrichten...")
ZAV_TEXT(5, MenuPrintSheet,
         "Imprimer la feuille de match",
         "Print score sheet",
         "Stampa foglio di gara",
         "Wertungsbogen drucken")
ZAV_TEXT(7, MenuExportSheetHtml,
         "Exporter la feuille de match en HTML",
         "Export score sheet to HTML",
         "Esporta foglio di gara in HTML",
         "Wertungsbogen als HTML exportieren")
ZAV_TEXT(8, MenuPrintStaff,
         "Imprimer la liste des juges de ligne et de l'équipe de piste",
         "Print assistant referees and arena party list",
         "Stampa elenco giudici di linea e addetti al campo",
         "Liste der Linienrichter und Platzhelfer drucken")
ZAV_TEXT(9, MenuExportStaffHtml,
         "Exporter la liste des juges de ligne et de l'équipe de piste en HTML",
         "Export assistant referees and arena party list to HTML",
         "Esporta elenco giudici di linea e addetti al campo in HTML",
         "Liste der Linienrichter und Platzhelfer als HTML exportieren")
ZAV_TEXT(10, MenuPrintEquipment,
         "Imprimer la liste du matériel",
         "Print equipment list",
         "Stampa elenco materiale",
         "Materialliste drucken")
ZAV_TEXT(11, MenuExportEquipmentHtml,
         "Exporter la liste du matériel en HTML",
         "Export equipment list to HTML",
         "Esporta elenco materiale in HTML",
         "Materialliste als HTML exportieren")
ZAV_TEXT(12, MenuPrintPlacement,
         "Imprimer le placement du matériel",
         "Print equipment position",
         "Stampa posizionamento materiale",
         "Materialaufbau drucken")
ZAV_TEXT(13, MenuQuit,
         "Quitter",
         "Quit",
         "Esci",
         "Beenden")
ZAV_TEXT(14, MenuFile,
         "Fichier",
         "File",
         "File",
         "Datei")
ZAV_TEXT(20, MenuGeneralData,
         "Données générales",
         "General data",
         "Dati generali",
         "Allgemeine Angaben")
ZAV_TEXT(21, MenuTeams,
         "Équipes et couleurs",
         "Teams and colors",
         "Squadre e colori",
         "Mannschaften und Farben")
ZAV_TEXT(22, MenuGameList,
         "Liste des jeux",
         "Game list",
         "Elenco giochi",
         "Spielliste")
ZAV_TEXT(23, MenuPreviousHeat,
         "Résultat des manches précédentes",
         "Previous heat(s) result",
         "Risultato delle manche precedenti",
         "Ergebnis vorheriger Läufe")
ZAV_TEXT(24, MenuPreviousChallenge,
         "Résultat 'Challenge' précédent",
         "Previous 'Challenge' result",
         "Risultato 'Challenge' precedente",
         "Vorheriges 'Challenge'-Ergebnis")
ZAV_TEXT(25, MenuAssistantReferees,
         "Juges de ligne",
         "Assistant referees",
         "Giudici di linea",
         "Linienrichter")
ZAV_TEXT(26, MenuArenaParty,
         "Équipe de piste",
         "Arena party",
         "Addetti al campo",
         "Platzhelfer")
ZAV_TEXT(27, MenuGameResult,
         "Résultat d'un jeu",
         "Game result",
         "Risultato del gioco",
         "Spielergebnis")
ZAV_TEXT(28, MenuTieBreak,
         "Résultat du barrage",
         "Tie-break result",
         "Risultato dello spareggio",
         "Ergebnis des Stechens")
ZAV_TEXT(29, MenuAddOnColumn,
         "Colonne supplémentaire",
         "Add-on column",
         "Colonna aggiuntiva",
         "Zusatzspalte")
ZAV_TEXT(30, MenuInput,
         "Saisie",
         "Input",
         "Inserimento",
         "Eingabe")
ZAV_TEXT(40, MenuShowSheet,
         "Afficher la feuille de match",
         "Display score sheet",
         "Mostra foglio di gara",
         "Wertungsbogen anzeigen")
ZAV_TEXT(41, MenuShowStaff,
         "Afficher les juges de ligne et l'équipe de piste",
         "Display assistant referees and arena party",
         "Mostra giudici di linea e addetti al campo",
         "Linienrichter und Platzhelfer anzeigen")
ZAV_TEXT(42, MenuShowEquipment,
         "Afficher la liste du matériel",
         "Display equipment list",
         "Mostra elenco materiale",
         "Materialliste anzeigen")
ZAV_TEXT(43, MenuShowPlacement,
         "Afficher le placement du matériel",
         "Display equipment position",
         "Mostra posizionamento materiale",
         "Materialaufbau anzeigen")
ZAV_TEXT(44, MenuViewBoth,
         "Afficher 'Compétition' et 'Challenge'",
         "Display 'Competition' and 'Challenge'",
         "Mostra 'Competizione' e 'Challenge'",
         "'Wettbewerb' und 'Challenge' anzeigen")
ZAV_TEXT(45, MenuViewCompetition,
         "Afficher 'Compétition' seule",
         "Display 'Competition' only",
         "Mostra solo 'Competizione'",
         "Nur 'Wettbewerb' anzeigen")
ZAV_TEXT(46, MenuViewChallenge,
         "Afficher 'Challenge' seul",
         "Display 'Challenge' only",
         "Mostra solo 'Challenge'",
         "Nur 'Challenge' anzeigen")
ZAV_TEXT(47, MenuLogo,
         "Logo",
         "Logo",
         "Logo",
         "Logo")
ZAV_TEXT(48, MenuColours,
         "Couleurs",
         "Colors",
         "Colori",
         "Farben")
ZAV_TEXT(49, MenuLanguage,
         "Langue",
         "Language",
         "Lingua",
         "Sprache")
ZAV_TEXT(50, MenuView,
         "Affichage",
         "View",
         "Visualizza",
         "Ansicht")
ZAV_TEXT(51, MenuAutomaticSave,
         "Enregistrement automatique",
         "Automatic save",
         "Salvataggio automatico",
         "Automatisch speichern")
ZAV_TEXT(62, MenuPlayingArea,
         "Terrain de jeu",
         "Playing area",
         "Campo di gioco",
         "Spielfeld")
ZAV_TEXT(63, MenuAllTheGames,
         "Tous les jeux",
         "All the games",
         "Tutti i giochi",
         "Alle Spiele")
ZAV_TEXT(64, MenuGamePositions,
         "Placement du matériel",
         "Equipment position",
         "Posizionamento del materiale",
         "Materialaufbau")
ZAV_TEXT(65, MenuRules,
         "Règlement",
         "Rules",
         "Regolamento",
         "Regelwerk")
ZAV_TEXT(70, MenuFinishOrderSheet,
         "Feuille d'ordre d'arrivée",
         "Finish order sheet",
         "Foglio ordine di arrivo",
         "Zieleinlaufbogen")
ZAV_TEXT(71, MenuRefereeMemento,
         "Mémento du juge arbitre",
         "Mémento du juge arbitre",
         "Promemoria del giudice arbitro (in francese)",
         "Merkblatt für den Schiedsrichter (französisch)")
ZAV_TEXT(72, MenuLineJudgeMemento,
         "Mémento du juge de ligne",
         "Mémento du juge de ligne",
         "Promemoria del giudice di linea (in francese)",
         "Merkblatt für den Linienrichter (französisch)")
ZAV_TEXT(73, MenuArenaDirectorMemento,
         "Mémento du chef de piste",
         "Mémento du chef de piste",
         "Promemoria del capo campo (in francese)",
         "Merkblatt für den Platzchef (französisch)")
ZAV_TEXT(74, MenuRefereeMemoSpreadsheet,
         "Mémo du juge arbitre (version tableur)",
         "Mémo du juge arbitre (version tableur)",
         "Promemoria del giudice arbitro, versione foglio di calcolo (in francese)",
         "Schiedsrichter-Memo, Tabellenversion (französisch)")
ZAV_TEXT(75, MenuRefereeMemoPrintable,
         "Mémo du juge arbitre (version imprimante)",
         "Mémo du juge arbitre (version imprimante)",
         "Promemoria del giudice arbitro, versione da stampare (in francese)",
         "Schiedsrichter-Memo, Druckversion (französisch)")
ZAV_TEXT(76, MenuCompetitionReport,
         "Procès verbal de compétition",
         "Procès verbal de compétition",
         "Verbale di gara (in francese)",
         "Wettkampfprotokoll (französisch)")
ZAV_TEXT(77, MenuAbout,
         "À propos de ZAVscore...",
         "About ZAVscore...",
         "Informazioni su ZAVscore...",
         "Über ZAVscore...")
ZAV_TEXT(78, MenuChangeLog,
         "Historique des versions",
         "Log change",
         "Registro delle modifiche",
         "Änderungsprotokoll")
ZAV_TEXT(79, MenuHelp,
         "Aide",
         "Help",
         "Aiuto",
         "Hilfe")
ZAV_TEXT(80, MenuTools,
         "Outils",
         "Tools",
         "Strumenti",
         "Werkzeuge")
ZAV_TEXT(81, MenuOptions,
         "Options",
         "Options",
         "Opzioni",
         "Optionen")
ZAV_TEXT(82, MenuCreateSet,
         "Créer un jeu de feuilles de match à partir d'un fichier SIF",
         "Create a score sheet set with SIF file",
         "Crea un set di fogli di gara da un file SIF",
         "Wertungsbogensatz aus SIF-Datei erstellen")
ZAV_TEXT(83, MenuOpenSet,
         "Ouvrir un jeu de feuilles de match",
         "Open a score sheet set",
         "Apri un set di fogli di gara",
         "Wertungsbogensatz öffnen")
ZAV_TEXT(84, MenuSetCreationHelp,
         "Aide à la création d'un jeu de feuilles",
         "Aide à la création d'un jeu de feuilles",
         "Guida alla creazione di un set di fogli (in francese)",
         "Hilfe zum Erstellen eines Wertungsbogensatzes (französisch)")
ZAV_TEXT(85, MenuCopySet,
         "Copier un jeu de feuilles de match",
         "Copy a score sheet set",
         "Copia un set di fogli di gara",
         "Wertungsbogensatz kopieren")
ZAV_TEXT(86, MenuMoveSet,
         "Déplacer un jeu de feuilles de match",
         "Move a score sheet set",
         "Sposta un set di fogli di gara",
         "Wertungsbogensatz verschieben")
ZAV_TEXT(87, MenuRenameSet,
         "Renommer un jeu de feuilles de match",
         "Rename a score sheet set",
         "Rinomina un set di fogli di gara",
         "Wertungsbogensatz umbenennen")
ZAV_TEXT(88, MenuDeleteSet,
         "Supprimer un jeu de feuilles de match",
         "Delete a score sheet set",
         "Elimina un set di fogli di gara",
         "Wertungsbogensatz löschen")
ZAV_TEXT(89, MenuWithdrawTeam,
         "Retirer une équipe de la feuille de match en cours (forfait)",
         "Delete a team from the current score sheet (withdrawing)",
         "Elimina una squadra dal foglio di gara corrente (ritiro)",
         "Mannschaft aus dem aktuellen Wertungsbogen streichen (Rückzug)")
ZAV_TEXT(100, OpenSheetCaption,
         "Ouvrir une feuille de match...",
         "Open score sheet..",
         "Apri foglio di gara...",
         "Wertungsbogen öffnen...")
ZAV_TEXT(101, SheetFilter,
         "Feuille de match (*.score)|*.score",
         "Score sheet (*.score)|*.score",
         "Foglio di gara (*.score)|*.score",
         "Wertungsbogen (*.score)|*.score")
ZAV_TEXT(102, SaveSheetAsCaption,
         "Enregistrer la feuille de match sous...",
         "Save score sheet as...",
         "Salva foglio di gara con nome...",
         "Wertungsbogen speichern unter...")
ZAV_TEXT(103, SaveSheetCaption,
         "Enregistrer la feuille de match...",
         "Save score sheet...",
         "Salva foglio di gara...",
         "Wertungsbogen speichern...")
ZAV_TEXT(104, NoSheetOpened,
         "Aucune feuille de match ouverte.\nCréez une nouvelle feuille ou ouvrez-en une pour utiliser cette commande.",
         "No score sheet opened.\nOpen a new sheet or a sheet to modify to use this command.",
         "Nessun foglio di gara aperto.\nCrea un nuovo foglio o apri un foglio da modificare per usare questo comando.",
         "Kein Wertungsbogen geöffnet.\nFür diesen Befehl einen neuen Bogen anlegen oder einen vorhandenen öffnen.")
ZAV_TEXT(105, SaveBeforeExit,
         "Voulez-vous enregistrer la feuille de match en cours avant de quitter ?",
         "Do you want to save current score sheet before exit ?",
         "Salvare il foglio di gara corrente prima di uscire?",
         "Möchten Sie den aktuellen Wertungsbogen vor dem Beenden speichern?")
ZAV_TEXT(106, HtmlFilter,
         "Fichiers HTML (*.html)|*.html|Tous les fichiers (*.*)|*.*",
         "HTML files (*.html)|*.html|All files (*.*)|*.*",
         "File HTML (*.html)|*.html|Tutti i file (*.*)|*.*",
         "HTML-Dateien (*.html)|*.html|Alle Dateien (*.*)|*.*")
ZAV_TEXT(108, Blame,
         "Avertissement",
         "Blame",
         "Ammonizione",
         "Verwarnung")
ZAV_TEXT(109, ChallengeIncoherent,
         "Attention : le nombre d'équipes du 'Challenge' ne correspond pas\naux points de la première équipe du 'Challenge'.",
         "Warning : the number of teams for the 'Challenge' is not coherent with\nthe points for the first 'Challenge' team.",
         "Attenzione: il numero di squadre del 'Challenge' non è coerente con\ni punti della prima squadra del 'Challenge'.",
         "Achtung: Die Anzahl der Mannschaften der 'Challenge' passt nicht zu\nden Punkten der ersten Mannschaft der 'Challenge'.")
ZAV_TEXT(110, ProductName,
         "ZAVScore",
         "ZAVScore",
         "ZAVScore",
         "ZAVScore")
ZAV_TEXT(111, Version,
         "3.1.0 (sept 2017)",
         "3.1.0 (sept 2017)",
         "3.1.0 (sept 2017)",
         "3.1.0 (sept 2017)")
ZAV_TEXT(112, TagLine,
         "Logiciel de gestion des compétitions de Mounted Games et de Pony-Games.",
         "Mounted Games and Pony Games competition management software.",
         "Software di gestione delle gare di Mounted Games e Pony Games.",
         "Software zur Verwaltung von Mounted-Games- und Pony-Games-Wettbewerben.")
ZAV_TEXT(113, RightsNotice,
         "Copyright (C) les développeurs de ZAVscore. Libre d'utilisation pour les compétitions de Mounted Games et de Pony-Games.",
         "Copyright (C) the ZAVscore developers. Free to use at Mounted Games and Pony Games competitions.",
         "Copyright (C) gli sviluppatori di ZAVscore. Uso libero per le gare di Mounted Games e Pony Games.",
         "Copyright (C) die ZAVscore-Entwickler. Frei verwendbar für Mounted-Games- und Pony-Games-Wettbewerbe.")
ZAV_TEXT(114, ChallengeNotDefined,
         "Les équipes participant au 'Challenge' n'ont pas encore été définies.",
         "The teams participating to the 'Challenge' has not yet been defined.",
         "Le squadre che partecipano al 'Challenge' non sono ancora state definite.",
         "Die an der 'Challenge' teilnehmenden Mannschaften sind noch nicht festgelegt.")
ZAV_TEXT(115, OpenSetCaption,
         "Ouvrir un jeu de feuilles de match...",
         "Open score sheet set...",
         "Apri set di fogli di gara...",
         "Wertungsbogensatz öffnen...")
ZAV_TEXT(116, SetFilter,
         "Jeu de feuilles de match (*.mscore)|*.mscore",
         "Score sheet set (*.mscore)|*.mscore",
         "Set di fogli di gara (*.mscore)|*.mscore",
         "Wertungsbogensatz (*.mscore)|*.mscore")
ZAV_TEXT(117, OpenSifCaption,
         "Ouvrir un fichier SIF téléchargé...",
         "Open a downloaded SIF file...",
         "Apri un file SIF scaricato...",
         "Heruntergeladene SIF-Datei öffnen...")
ZAV_TEXT(118, SifFilter,
         "Fichier SIF (*.txt)|*.txt",
         "SIF file (*.txt)|*.txt",
         "File SIF (*.txt)|*.txt",
         "SIF-Datei (*.txt)|*.txt")
ZAV_TEXT(119, FileTooLong,
         "Fichier trop long = %ld octets",
         "File too long = %ld bytes",
         "File troppo lungo = %ld byte",
         "Datei zu lang = %ld Bytes")
ZAV_TEXT(120, ErrorOpening,
         "Erreur à l'ouverture du fichier = %s",
         "Error while opening file = %s",
         "Errore durante l'apertura del file = %s",
         "Fehler beim Öffnen der Datei = %s")
ZAV_TEXT(121, ErrorCreating,
         "Erreur à la création du fichier = %s",
         "Error while creating file = %s",
         "Errore durante la creazione del file = %s",
         "Fehler beim Anlegen der Datei = %s")
ZAV_TEXT(122, UnknownEncoding,
         "Format d'encodage inconnu.",
         "Unknown encoding format.",
         "Formato di codifica sconosciuto.",
         "Unbekanntes Kodierungsformat.")
ZAV_TEXT(123, TeamColumn,
         "Équipe",
         "Team",
         "Squadra",
         "Mannschaft")
ZAV_TEXT(124, PreviousScoreColumn,
         "Score précédent",
         "Previous score",
         "Punteggio precedente",
         "Vorherige Punkte")
ZAV_TEXT(125, GameColumn,
         "Jeu",
         "Game",
         "Gioco",
         "Spiel")
ZAV_TEXT(126, HeatScoreColumn,
         "Score de la manche",
         "Heat score",
         "Punteggio manche",
         "Punkte im Lauf")
ZAV_TEXT(127, HeatPositionColumn,
         "Classement de la manche",
         "Heat position",
         "Posizione manche",
         "Platz im Lauf")
ZAV_TEXT(128, TieBreakPositionColumn,
         "Classement après barrage",
         "Heat position after tie-break",
         "Posizione dopo lo spareggio",
         "Platz nach Stechen")
ZAV_TEXT(129, TotalScoreColumn,
         "Score total",
         "Total score",
         "Punteggio totale",
         "Gesamtpunkte")
ZAV_TEXT(130, RefereeLabel,
         "Juge arbitre : ",
         "Referee : ",
         "Giudice arbitro: ",
         "Schiedsrichter: ")
ZAV_TEXT(134, PointsHelpCaption,
         "Points de la première équipe",
         "Points for the first team",
         "Punti per la prima squadra",
         "Punkte für die erste Mannschaft")
ZAV_TEXT(135, EliminationEntry,
         "Élimination (%d point)",
         "Elimination (%d point)",
         "Eliminazione (punti: %d)",
         "Ausschluss (Punkte: %d)")
ZAV_TEXT(136, AbandonEntry,
         "Abandon (points du dernier)",
         "Abandon (lowest points)",
         "Ritiro (punteggio minimo)",
         "Aufgabe (niedrigste Punktzahl)")
ZAV_TEXT(137, ErrorWriting,
         "Erreur d'écriture du fichier = %s",
         "Error writing file = %s",
         "Errore di scrittura del file = %s",
         "Fehler beim Schreiben der Datei = %s")
ZAV_TEXT(138, PointsHelp,
         "Règles internationales :\n    la première équipe marque autant de points qu'il y a d'équipes.\nRègles françaises :\n    la première équipe marque le nombre d'équipes +1.\n\nSi la manche est incomplète, les points sont égaux au nombre d'équipes de la plus grande manche (+1 avec la règle française).",
         "International rules :\n    first team wins points equal to teams number.\nFrench rules :\n    first team wins points equal to teams number +1.\n\nIn case of incomplete heat, points are equal to number of teams of largest heat (+1 with french rule).",
         "Regole internazionali:\n    la prima squadra ottiene tanti punti quante sono le squadre.\nRegole francesi:\n    la prima squadra ottiene il numero di squadre +1.\n\nSe la manche è incompleta, i punti sono pari al numero di squadre della manche più numerosa (+1 con la regola francese).",
         "Internationale Regeln:\n    Die erste Mannschaft erhält so viele Punkte, wie Mannschaften starten.\nFranzösische Regeln:\n    Die erste Mannschaft erhält die Anzahl der Mannschaften +1.\n\nBei einem unvollständigen Lauf entsprechen die Punkte der Mannschaftszahl des größten Laufs (+1 nach französischer Regel).")
ZAV_TEXT(139, SelectLogoCaption,
         "Choisir le logo...",
         "Select logo...",
         "Seleziona il logo...",
         "Logo auswählen...")
ZAV_TEXT(140, GameAgilityAces,
         "Pas japonais",
         "Agility aces",
         "Assi dell'agilità",
         "Trittstein- rennen")
ZAV_TEXT(141, GameAssociationRace,
         "Associations",
         "Association race",
         "Corsa delle associazioni",
         "Zuordnungs- rennen")
ZAV_TEXT(142, GameBangABalloon,
         "Crève-ballons",
         "Bang-a-balloon",
         "Scoppia il palloncino",
         "Luft- ballon- stechen")
ZAV_TEXT(143, GameBankRace,
         "Banque",
         "Bank race",
         "Corsa della banca",
         "Bankrennen")
ZAV_TEXT(144, GameBottleShuttle,
         "Navette des bouteilles",
         "Bottle shuttle",
         "Navetta delle bottiglie",
         "Flaschen- staffel")
ZAV_TEXT(145, GameCartonRace,
         "Course des cartons",
         "Carton race",
         "Corsa dei cartoni",
         "Karton- rennen")
ZAV_TEXT(146, GameFlagFliers,
         "Drapeaux volants",
         "Flag fliers",
         "Bandiere volanti",
         "Flaggen- rennen")
ZAV_TEXT(147, GameFourFlag,
         "Quatre drapeaux",
         "Four flag",
         "Quattro bandiere",
         "Vier Flaggen")
ZAV_TEXT(148, GameFoundersRace,
         "Course du fondateur",
         "Founder's race",
         "Corsa del fondatore",
         "Gründer- rennen")
ZAV_TEXT(149, GameHiLo,
         "HiLo",
         "HiLo",
         "HiLo",
         "HiLo")
ZAV_TEXT(150, GameHugAMug,
         "Course aux gobelets",
         "Hug-a-mug",
         "Abbraccia la tazza",
         "Becher- sammeln")
ZAV_TEXT(151, GameHulaHoop,
         "Cerceau",
         "Hula hoop",
         "Cerchio",
         "Reifen- rennen")
ZAV_TEXT(152, GameJousting,
         "Joute",
         "Jousting",
         "Giostra",
         "Lanzen- stechen")
ZAV_TEXT(153, GameLitterLifters,
         "Ramasse-papiers",
         "Litter lifters",
         "Raccogli cartoni",
         "Müll- sammler")
ZAV_TEXT(154, GameMugShuffle,
         "Navette des gobelets",
         "Mug shuffle",
         "Scambio di tazze",
         "Becher- wechsel")
ZAV_TEXT(155, GamePonyExpress,
         "Course des facteurs",
         "Pony express",
         "Corsa dei postini",
         "Pony- express")
ZAV_TEXT(156, GamePonyPairs,
         "Course en paires",
         "Pony pairs",
         "Coppie di pony",
         "Pony- paare")
ZAV_TEXT(157, GameRideAndLead,
         "Monté-mené",
         "Ride and lead",
         "Monta e conduci",
         "Reiten und Führen")
ZAV_TEXT(158, GameSocksAndBuckets,
         "Chaussettes",
         "Socks and buckets",
         "Calzini e secchi",
         "Socken und Eimer")
ZAV_TEXT(159, GameSpeedWeavers,
         "Slalom",
         "Speed weavers",
         "Slalom",
         "Schnell- slalom")
ZAV_TEXT(160, GameSwordLancers,
         "Épée",
         "Sword lancers",
         "Lancieri con spada",
         "Schwert- stechen")
ZAV_TEXT(161, GameThreeLeggedSack,
         "Sac à trois jambes",
         "Three legged sack",
         "Sacco a tre gambe",
         "Dreibein- sack- lauf")
ZAV_TEXT(162, GameToolBoxScramble,
         "Course à la boîte à outils",
         "Tool box scramble",
         "Corsa della cassetta attrezzi",
         "Werkzeug- kasten- rennen")
ZAV_TEXT(163, GameTwoFlag,
         "Deux drapeaux",
         "Two flag",
         "Due bandiere",
         "Zwei Flaggen")
ZAV_TEXT(164, GameBallAndConeInt,
         "Balle et cône (int.)",
         "Ball and cone (int.)",
         "Palla e cono (int.)",
         "Ball und Kegel (int.)")
ZAV_TEXT(165, GameThreeFlag,
         "Trois drapeaux",
         "Three flag",
         "Tre bandiere",
         "Drei Flaggen")
ZAV_TEXT(166, GameThreeMug,
         "Trois gobelets",
         "Three mug",
         "Tre tazze",
         "Drei Becher")
ZAV_TEXT(167, GameWindsorCastle,
         "Château de Windsor",
         "Windsor castle",
         "Castello di Windsor",
         "Schloss Windsor")
ZAV_TEXT(168, GameMoatAndCastle,
         "Douves et château",
         "Moat and castle",
         "Fossato e castello",
         "Burg und Graben")
ZAV_TEXT(169, GameRunAndRide,
         "À pied, à cheval",
         "Run and ride",
         "Corri e monta",
         "Laufen und Reiten")
ZAV_TEXT(170, GameThreePotFlagRace,
         "Course des trois pots",
         "Three pot flag race",
         "Tre vasi e bandiere",
         "Dreitopf- flaggen- rennen")
ZAV_TEXT(171, GameTripleFlag,
         "Triple drapeau",
         "Triple flag",
         "Bandiera tripla",
         "Dreifach- flagge")
ZAV_TEXT(172, GameVictoriaCross,
         "Croix de Victoria",
         "Victoria cross",
         "Croce Vittoria",
         "Victoria- kreuz")
ZAV_TEXT(173, GameOLiH,
         "oLiH",
         "oLiH",
         "oLiH",
         "oLiH")
ZAV_TEXT(174, GameLittlePresident,
         "Petit président",
         "Little president",
         "Piccolo presidente",
         "Kleiner Präsident")
ZAV_TEXT(175, GameBallAndConeFr,
         "Balle et cône (fr.)",
         "Ball and cone (fr.)",
         "Palla e cono (fr.)",
         "Ball und Kegel (fr.)")
ZAV_TEXT(176, GameTwoBottles,
         "Deux bouteilles",
         "Two bottles",
         "Due bottiglie",
         "Zwei Flaschen")
ZAV_TEXT(177, GameBalls,
         "Balles",
         "Balls",
         "Palline",
         "Bälle")
ZAV_TEXT(178, GamePresident,
         "Président",
         "President",
         "Presidente",
         "Präsident")
ZAV_TEXT(179, GameBoiteAOutils,
         "Boîte à outils",
         "Boîte à outils",
         "Cassetta degli attrezzi",
         "Werkzeug- kiste")
ZAV_TEXT(180, GameHoopla,
         "Hoopla",
         "Hoopla",
         "Hoopla",
         "Hoopla")
ZAV_TEXT(181, GameOther,
         "Autre jeu...",
         "Other game...",
         "Altro gioco...",
         "Anderes Spiel...")
ZAV_TEXT(240, EquipAgilityAces,
         "6 pas japonais.",
         "6 stepping stones.",
         "6 pietre di guado.",
         "6 Trittsteine.")
ZAV_TEXT(241, EquipAssociationRace,
         "2 poubelles, 5 récipients chacun d'une couleur différente et marqué d'une lettre peinte.",
         "2 bins, 5 containers each coloured a different colour and with a letter painted upon it.",
         "2 bidoni, 5 contenitori, ciascuno di un colore diverso e con una lettera dipinta sopra.",
         "2 Tonnen, 5 Behälter in je einer anderen Farbe, jeder mit einem aufgemalten Buchstaben.")
ZAV_TEXT(242, EquipBangABalloon,
         "1 panneau portant six ballons, 1 bâton pour crever les ballons. 4 piquets de slalom.",
         "1 balloon board with six balloons attached to it, 1 balloon bursting cane. 4 bending poles.",
         "1 pannello con sei palloncini attaccati, 1 bastone per scoppiare i palloncini. 4 paletti.",
         "1 Ballonbrett mit sechs daran befestigten Luftballons, 1 Stock zum Zerstechen der Ballons. 4 Slalomstangen.")
ZAV_TEXT(243, EquipBankRace,
         "1 support de banque, 1 plot avec porte-chiffres, 4 chiffres 1, 0, 0 et 0.",
         "1 bank stand, 1 road cone with number holder, 4 numbers 1, 0, 0 and 0.",
         "1 supporto banca, 1 cono stradale con portanumeri, 4 numeri 1, 0, 0 e 0.",
         "1 Bankständer, 1 Leitkegel mit Zahlenhalter, 4 Zahlen 1, 0, 0 und 0.")
ZAV_TEXT(244, EquipBottleShuttle,
         "2 poubelles, 2 bouteilles.",
         "2 bins, 2 bottles.",
         "2 bidoni, 2 bottiglie.",
         "2 Tonnen, 2 Flaschen.")
ZAV_TEXT(245, EquipCartonRace,
         "4 cartons, 4 piquets de slalom (piquets 1-4), 1 seau.",
         "4 litter cartons, 4 bending poles (poles 1-4), 1 bucket.",
         "4 cartoni, 4 paletti (paletti 1-4), 1 secchio.",
         "4 Kartons, 4 Slalomstangen (Stangen 1-4), 1 Eimer.")
ZAV_TEXT(246, EquipFlagFliers,
         "2 cônes, 5 drapeaux.",
         "2 cones, 5 flags.",
         "2 coni, 5 bandiere.",
         "2 Kegel, 5 Flaggen.")
ZAV_TEXT(247, EquipFourFlag,
         "1 support à quatre drapeaux, 1 cône à drapeau, 4 drapeaux. (1 rouge, 1 bleu, 1 blanc et 1 jaune)",
         "1 four flag holder, 1 flag cone, 4 flags. (1 red, 1 blue, 1 white and 1 yellow)",
         "1 supporto per quattro bandiere, 1 cono portabandiera, 4 bandiere. (1 rossa, 1 blu, 1 bianca e 1 gialla)",
         "1 Halter für vier Flaggen, 1 Flaggenkegel, 4 Flaggen. (1 rote, 1 blaue, 1 weiße und 1 gelbe)")
ZAV_TEXT(248, EquipFoundersRace,
         "1 grand piquet de slalom, 8 cylindres portant chacun une lettre.",
         "1 large bending pole, 8 cylinders each bearing a letter.",
         "1 paletto grande, 8 cilindri, ciascuno con una lettera.",
         "1 große Slalomstange, 8 Zylinder mit je einem Buchstaben.")
ZAV_TEXT(249, EquipHiLo,
         "1 support HiLo, 4 cônes HiLo, 5 balles de tennis.",
         "1 hilo stand, 4 hilo cones, 5 tennis balls.",
         "1 supporto HiLo, 4 coni HiLo, 5 palline da tennis.",
         "1 HiLo-Ständer, 4 HiLo-Kegel, 5 Tennisbälle.")
ZAV_TEXT(250, EquipHugAMug,
         "1 poubelle, 5 gobelets, 4 piquets de slalom (piquets 1-4).",
         "1 bin, 5 mugs, 4 bending poles (poles 1-4).",
         "1 bidone, 5 tazze, 4 paletti (paletti 1-4).",
         "1 Tonne, 5 Becher, 4 Slalomstangen (Stangen 1-4).")
ZAV_TEXT(251, EquipHulaHoop,
         "1 pneu, 4 piquets de slalom.",
         "1 tyre, 4 bending poles.",
         "1 pneumatico, 4 paletti.",
         "1 Reifen, 4 Slalomstangen.")
ZAV_TEXT(252, EquipJousting,
         "1 cible de joute, 1 lance de joute, 2 plots.",
         "1 jousting board, 1 jousting lance, 2 road cones.",
         "1 bersaglio da giostra, 1 lancia da giostra, 2 coni stradali.",
         "1 Stechbrett, 1 Lanze, 2 Leitkegel.")
ZAV_TEXT(253, EquipLitterLifters,
         "1 poubelle, 1 canne, 4 cartons.",
         "1 bin, 1 cane, 4 litter cartons.",
         "1 bidone, 1 bastone, 4 cartoni.",
         "1 Tonne, 1 Stock, 4 Kartons.")
ZAV_TEXT(254, EquipMugShuffle,
         "4 piquets de slalom (piquets 1-4), 2 gobelets.",
         "4 bending poles (poles 1-4), 2 mugs.",
         "4 paletti (paletti 1-4), 2 tazze.",
         "4 Slalomstangen (Stangen 1-4), 2 Becher.")
ZAV_TEXT(255, EquipPonyExpress,
         "4 piquets de slalom (piquets 1-4), 1 sac postal, 4 lettres.",
         "4 bending poles (poles 1-4), 1 mail sack, 4 letters.",
         "4 paletti (paletti 1-4), 1 sacco postale, 4 lettere.",
         "4 Slalomstangen (Stangen 1-4), 1 Postsack, 4 Briefe.")
ZAV_TEXT(256, EquipPonyPairs,
         "4 piquets de slalom (piquets 1-4), 1 corde.",
         "4 bending poles (poles 1-4), 1 rope.",
         "4 paletti (paletti 1-4), 1 corda.",
         "4 Slalomstangen (Stangen 1-4), 1 Seil.")
ZAV_TEXT(257, EquipRideAndLead,
         "4 piquets de slalom (piquets 1-4).",
         "4 bending poles (poles 1-4).",
         "4 paletti (paletti 1-4).",
         "4 Slalomstangen (Stangen 1-4).")
ZAV_TEXT(258, EquipSocksAndBuckets,
         "1 seau, 5 chaussettes.",
         "1 bucket, 5 socks.",
         "1 secchio, 5 calzini.",
         "1 Eimer, 5 Socken.")
ZAV_TEXT(259, EquipSpeedWeavers,
         "5 piquets de slalom, 1 témoin.",
         "5 bending poles, 1 baton.",
         "5 paletti, 1 testimone.",
         "5 Slalomstangen, 1 Staffelstab.")
ZAV_TEXT(260, EquipSwordLancers,
         "4 piquets de slalom (piquets 1-4), 1 épée, 4 anneaux, des élastiques.",
         "4 bending poles (poles 1-4), 1 sword, 4 sword rings, elastic bands.",
         "4 paletti (paletti 1-4), 1 spada, 4 anelli, elastici.",
         "4 Slalomstangen (Stangen 1-4), 1 Schwert, 4 Schwertringe, Gummibänder.")
ZAV_TEXT(261, EquipThreeLeggedSack,
         "1 sac.",
         "1 sack.",
         "1 sacco.",
         "1 Sack.")
ZAV_TEXT(262, EquipToolBoxScramble,
         "1 boîte à outils, 1 poubelle, 4 marteaux (règles françaises : 2 poubelles).",
         "1 tool box, 1 bin, 4 hammers (french rules : 2 bins).",
         "1 cassetta degli attrezzi, 1 bidone, 4 martelli (regole francesi: 2 bidoni).",
         "1 Werkzeugkasten, 1 Tonne, 4 Hämmer (französische Regeln: 2 Tonnen).")
ZAV_TEXT(263, EquipTwoFlag,
         "2 cônes à drapeau, 2 drapeaux.",
         "2 flag cones, 2 flags.",
         "2 coni portabandiera, 2 bandiere.",
         "2 Flaggenkegel, 2 Flaggen.")
ZAV_TEXT(264, EquipBallAndConeInt,
         "2 plots, 2 balles de tennis.",
         "2 road cones, 2 tennis balls.",
         "2 coni stradali, 2 palline da tennis.",
         "2 Leitkegel, 2 Tennisbälle.")
ZAV_TEXT(265, EquipThreeFlag,
         "2 cônes à drapeau, 3 drapeaux.",
         "2 flag cones, 3 flags.",
         "2 coni portabandiera, 3 bandiere.",
         "2 Flaggenkegel, 3 Flaggen.")
ZAV_TEXT(266, EquipThreeMug,
         "4 piquets de slalom (piquets 1-4), 3 gobelets.",
         "4 bending poles (poles 1-4), 3 mugs.",
         "4 paletti (paletti 1-4), 3 tazze.",
         "4 Slalomstangen (Stangen 1-4), 3 Becher.")
ZAV_TEXT(267, EquipWindsorCastle,
         "1 château, 1 tourelle, 1 boule, 1 seau à moitié rempli d'eau.",
         "1 castle, 1 turret, 1 orb, 1 bucket half filled with water.",
         "1 castello, 1 torretta, 1 globo, 1 secchio pieno d'acqua a metà.",
         "1 Burg, 1 Turm, 1 Kugel, 1 halb mit Wasser gefüllter Eimer.")
ZAV_TEXT(268, EquipMoatAndCastle,
         "1 cône, 1 seau à moitié rempli d'eau. 2 balles de tennis.",
         "1 cone, 1 bucket half filled with water. 2 tennis balls.",
         "1 cono, 1 secchio pieno d'acqua a metà. 2 palline da tennis.",
         "1 Kegel, 1 halb mit Wasser gefüllter Eimer. 2 Tennisbälle.")
ZAV_TEXT(269, EquipRunAndRide,
         "5 piquets de slalom.",
         "5 bending poles.",
         "5 paletti.",
         "5 Slalomstangen.")
ZAV_TEXT(270, EquipThreePotFlagRace,
         "3 cônes à drapeau, 4 drapeaux.",
         "3 flag cones, 4 flags.",
         "3 coni portabandiera, 4 bandiere.",
         "3 Flaggenkegel, 4 Flaggen.")
ZAV_TEXT(271, EquipTripleFlag,
         "1 support à trois drapeaux, 3 drapeaux, 1 cône à drapeau.",
         "1 triple flag holder, 3 flags, 1 flag cone.",
         "1 supporto per tre bandiere, 3 bandiere, 1 cono portabandiera.",
         "1 Halter für drei Flaggen, 3 Flaggen, 1 Flaggenkegel.")
ZAV_TEXT(272, EquipVictoriaCross,
         "2 coussins, 1 piquet de slalom (piquet 1).",
         "2 pillows, 1 bending pole (pole 1).",
         "2 cuscini, 1 paletto (paletto 1).",
         "2 Kissen, 1 Slalomstange (Stange 1).")
ZAV_TEXT(273, EquipOLiH,
         "4 cônes, 4 balles de tennis.",
         "4 cones, 4 tennis balls.",
         "4 coni, 4 palline da tennis.",
         "4 Kegel, 4 Tennisbälle.")
ZAV_TEXT(274, EquipLittlePresident,
         "1 poubelle, 1 grand piquet de slalom, 5 cylindres avec les lettres P, O, N, E et Y.",
         "1 bin, 1 large bending pole, 5 cylinders with letters P, O, N, E and Y.",
         "1 bidone, 1 paletto grande, 5 cilindri con le lettere P, O, N, E e Y.",
         "1 Tonne, 1 große Slalomstange, 5 Zylinder mit den Buchstaben P, O, N, E und Y.")
ZAV_TEXT(275, EquipBallAndConeFr,
         "2 plots, 2 balles de tennis.",
         "2 road cones, 2 tennis balls.",
         "2 coni stradali, 2 palline da tennis.",
         "2 Leitkegel, 2 Tennisbälle.")
ZAV_TEXT(276, EquipTwoBottles,
         "2 poubelles, 2 bouteilles.",
         "2 bins, 2 bottles.",
         "2 bidoni, 2 bottiglie.",
         "2 Tonnen, 2 Flaschen.")
ZAV_TEXT(277, EquipBalls,
         "1 seau, 5 balles de tennis.",
         "1 bucket, 5 tennis balls.",
         "1 secchio, 5 palline da tennis.",
         "1 Eimer, 5 Tennisbälle.")
ZAV_TEXT(278, EquipPresident,
         "1 grand piquet de slalom, 5 cylindres avec les lettres P, O, N, E et Y.",
         "1 large bending pole, 5 cylinders with letters P, O, N, E and Y.",
         "1 paletto grande, 5 cilindri con le lettere P, O, N, E e Y.",
         "1 große Slalomstange, 5 Zylinder mit den Buchstaben P, O, N, E und Y.")
ZAV_TEXT(279, EquipBoiteAOutils,
         "?",
         "?",
         "?",
         "?")
ZAV_TEXT(280, EquipHoopla,
         "?",
         "?",
         "?",
         "?")
ZAV_TEXT(281, EquipOther,
         "...",
         "...",
         "...",
         "...")
ZAV_TEXT(300, Am,
         "Matin",
         "AM",
         "Mattina",
         "Vormittag")
ZAV_TEXT(301, Pm,
         "Après-midi",
         "PM",
         "Pomeriggio",
         "Nachmittag")
ZAV_TEXT(302, Night,
         "Nocturne",
         "Night",
         "Sera",
         "Abend")
ZAV_TEXT(303, PictureFilter,
         "Fichiers JPG (*.jpg)|*.jpg|Fichiers PNG (*.png)|*.png|Fichiers GIF (*.gif)|*.gif",
         "JPG files (*.jpg)|*.jpg|PNG files (*.png)|*.png|GIF files (*.gif)|*.gif",
         "File JPG (*.jpg)|*.jpg|File PNG (*.png)|*.png|File GIF (*.gif)|*.gif",
         "JPG-Dateien (*.jpg)|*.jpg|PNG-Dateien (*.png)|*.png|GIF-Dateien (*.gif)|*.gif")
ZAV_TEXT(304, LanguageFrench,
         "FR : Français",
         "FR : French",
         "FR : Francese",
         "FR : Französisch")
ZAV_TEXT(305, LanguageEnglish,
         "EN : Anglais",
         "EN : English",
         "EN : Inglese",
         "EN : Englisch")
ZAV_TEXT(306, LanguageItalian,
         "IT : Italien",
         "IT : Italien",
         "IT : Italiano",
         "IT : Italienisch")
ZAV_TEXT(307, LanguageGerman,
         "GE : Allemand",
         "GE : German",
         "GE : Tedesco",
         "GE : Deutsch")
ZAV_TEXT(320, DefinitiveAbandonEntry,
         "Abandon définitif (0 point)",
         "Definitive abandon (0 point)",
         "Ritiro definitivo (0 punti)",
         "Endgültige Aufgabe (0 Punkte)")
ZAV_TEXT(321, EliminationInternational,
         "Internationale",
         "International",
         "Internazionale",
         "International")
ZAV_TEXT(322, EliminationFrench,
         "Française",
         "French",
         "Francese",
         "Französisch")
ZAV_TEXT(323, EliminationHelpCaption,
         "Règle d'élimination",
         "Elimination rule",
         "Regola di eliminazione",
         "Ausschlussregel")
ZAV_TEXT(324, EliminationHelp,
         "Règles internationales :\n    0 point pour une équipe éliminée.\nRègles françaises :\n    1 point pour une équipe éliminée.",
         "International rules :\n    0 point for eliminated team.\nFrench rules :\n    1 point for eliminated team.",
         "Regole internazionali:\n    0 punti per la squadra eliminata.\nRegole francesi:\n    1 punto per la squadra eliminata.",
         "Internationale Regeln:\n    0 Punkte bei Ausschluss.\nFranzösische Regeln:\n    1 Punkt bei Ausschluss.")
ZAV_TEXT(326, RefereesTeamColumn,
         "Équipe des juges de ligne",
         "Team of assistant referees",
         "Squadra dei giudici di linea",
         "Mannschaft der Linienrichter")
ZAV_TEXT(327, RefereesNamesColumn,
         "Noms des juges de ligne",
         "Assistant referees names",
         "Nomi dei giudici di linea",
         "Namen der Linienrichter")
ZAV_TEXT(328, ArenaPartyTeamColumn,
         "Équipe chargée de la piste",
         "Team of arena party",
         "Squadra degli addetti al campo",
         "Mannschaft der Platzhelfer")
ZAV_TEXT(329, ArenaPartyNamesColumn,
         "Noms de l'équipe de piste",
         "Names of arena party",
         "Nomi degli addetti al campo",
         "Namen der Platzhelfer")
ZAV_TEXT(330, TooManyTeamsOnSheet,
         "Sur la feuille de match %d, le nombre maximal d'équipes est atteint avec la catégorie %s.",
         "On score sheet %d, the maximum number of teams is reached with category %s.",
         "Nel foglio di gara %d il numero massimo di squadre è raggiunto con la categoria %s.",
         "Auf Wertungsbogen %d ist die Höchstzahl an Mannschaften mit der Kategorie %s erreicht.")
ZAV_TEXT(331, SaveSetCaption,
         "Enregistrer le jeu de feuilles de match sous...",
         "Save score sheet set as...",
         "Salva set di fogli di gara con nome...",
         "Wertungsbogensatz speichern unter...")
ZAV_TEXT(332, Category,
         "Catégorie",
         "Category",
         "Categoria",
         "Kategorie")
ZAV_TEXT(333, NotSifFile,
         "Le fichier [%s] n'est pas un fichier SIF ou son format est inconnu.",
         "The file [%s] is not a SIF file or its format is unknown.",
         "Il file [%s] non è un file SIF o il suo formato è sconosciuto.",
         "Die Datei [%s] ist keine SIF-Datei oder ihr Format ist unbekannt.")
ZAV_TEXT(334, DeleteSetWarning,
         "ATTENTION : toutes les feuilles de match du jeu vont être supprimées.\nVoulez-vous vraiment continuer ?",
         "WARNING : all the score sheets of the set will be deleted.\nDo you really want to continue ?",
         "ATTENZIONE: tutti i fogli di gara del set verranno eliminati.\nContinuare davvero?",
         "ACHTUNG: Alle Wertungsbögen des Satzes werden gelöscht.\nMöchten Sie wirklich fortfahren?")
ZAV_TEXT(335, ChooseTargetFolder,
         "Choisissez le dossier où copier ou déplacer le jeu de feuilles de match.",
         "Choose directory to copy or move score sheet set.",
         "Scegli la cartella in cui copiare o spostare il set di fogli di gara.",
         "Ordner wählen, in den der Wertungsbogensatz kopiert oder verschoben werden soll.")
ZAV_TEXT(336, SameFolder,
         "Désolé, impossible de copier ou de déplacer un jeu de feuilles dans le même dossier !",
         "Sorry, it is impossible to copy or move a score sheet set in the same directory !",
         "Spiacente, non è possibile copiare o spostare un set di fogli di gara nella stessa cartella!",
         "Ein Wertungsbogensatz kann leider nicht in denselben Ordner kopiert oder verschoben werden!")
ZAV_TEXT(337, SetCopied,
         "Jeu de feuilles de match copié avec succès.",
         "Score sheet set correctly copied.",
         "Set di fogli di gara copiato correttamente.",
         "Wertungsbogensatz erfolgreich kopiert.")
ZAV_TEXT(338, SetMoved,
         "Jeu de feuilles de match déplacé avec succès.",
         "Score sheet set correctly moved.",
         "Set di fogli di gara spostato correttamente.",
         "Wertungsbogensatz erfolgreich verschoben.")
ZAV_TEXT(339, SetRenamed,
         "Jeu de feuilles de match renommé avec succès.",
         "Score sheet set correctly renamed.",
         "Set di fogli di gara rinominato correttamente.",
         "Wertungsbogensatz erfolgreich umbenannt.")
ZAV_TEXT(340, SetDeleted,
         "Jeu de feuilles de match supprimé avec succès.",
         "Score sheet set correctly deleted.",
         "Set di fogli di gara eliminato correttamente.",
         "Wertungsbogensatz erfolgreich gelöscht.")
ZAV_TEXT(341, SetExists,
         "Ce jeu de feuilles de match existe déjà dans ce dossier.\nVoulez-vous le remplacer ?",
         "Score sheet set already exists in this directory.\nDo you want to replace it ?",
         "Il set di fogli di gara esiste già in questa cartella.\nSostituirlo?",
         "Der Wertungsbogensatz ist in diesem Ordner bereits vorhanden.\nMöchten Sie ihn ersetzen?")
ZAV_TEXT(342, WithdrawalTooLate,
         "Le retrait d'une équipe doit être déclaré avant la compétition.",
         "The withdrawing of a team must be declared before the competition.",
         "Il ritiro di una squadra deve essere dichiarato prima della gara.",
         "Der Rückzug einer Mannschaft muss vor dem Wettbewerb gemeldet werden.")
ZAV_TEXT(343, TooManyCategories,
         "Le fichier SIF [%s] contient plus de 50 catégories : impossible d'en faire un jeu de feuilles de match.",
         "The SIF file [%s] holds more than 50 categories: it cannot be turned into a score sheet set.",
         "Il file SIF [%s] contiene più di 50 categorie: non è possibile crearne un set di fogli di gara.",
         "Die SIF-Datei [%s] enthält mehr als 50 Kategorien: Daraus kann kein Wertungsbogensatz erstellt werden.")
ZAV_TEXT(344, FilesNotDeleted,
         "Ces fichiers du jeu de feuilles de match n'ont pas pu être supprimés :\n%s",
         "These files of the score sheet set could not be deleted:\n%s",
         "Questi file del set di fogli di gara non sono stati eliminati:\n%s",
         "Diese Dateien des Wertungsbogensatzes konnten nicht gelöscht werden:\n%s")
ZAV_TEXT(345, NoSuchCategory,
         "Aucune catégorie du fichier SIF ne s'appelle [%s].",
         "No category of the SIF file is named [%s].",
         "Nessuna categoria del file SIF si chiama [%s].",
         "Keine Kategorie der SIF-Datei heißt [%s].")
ZAV_TEXT(346, CategoryAlreadyGrouped,
         "La catégorie [%s] est déjà sur une feuille de match précédente.",
         "The category [%s] is already on an earlier score sheet.",
         "La categoria [%s] è già su un foglio di gara precedente.",
         "Die Kategorie [%s] steht schon auf einem früheren Wertungsbogen.")
ZAV_TEXT(347, CategoryOnNoSheet,
         "La catégorie [%s] n'est sur aucune feuille de match.",
         "The category [%s] is on no score sheet.",
         "La categoria [%s] non è su nessun foglio di gara.",
         "Die Kategorie [%s] steht auf keinem Wertungsbogen.")
ZAV_TEXT(400, Ok,
         "OK",
         "OK",
         "OK",
         "OK")
ZAV_TEXT(401, Cancel,
         "Annuler",
         "Cancel",
         "Annulla",
         "Abbrechen")
ZAV_TEXT(402, Search,
         "Rechercher...",
         "Search...",
         "Cerca...",
         "Suchen...")
ZAV_TEXT(403, Change,
         "Modifier...",
         "Change...",
         "Cambia...",
         "Ändern...")
ZAV_TEXT(404, HelpMark,
         "?",
         "?",
         "?",
         "?")
ZAV_TEXT(410, GeneralGroup,
         "Données générales de la feuille de match",
         "Score sheet general data",
         "Dati generali del foglio di gara",
         "Allgemeine Angaben des Wertungsbogens")
ZAV_TEXT(411, Title,
         "Titre",
         "Title",
         "Titolo",
         "Titel")
ZAV_TEXT(412, SubTitle,
         "Sous-titre",
         "Sub-title",
         "Sottotitolo",
         "Untertitel")
ZAV_TEXT(413, Date,
         "Date",
         "Date",
         "Data",
         "Datum")
ZAV_TEXT(414, Time,
         "Horaire",
         "Time",
         "Orario",
         "Tageszeit")
ZAV_TEXT(415, Referee,
         "Juge arbitre",
         "Referee",
         "Giudice arbitro",
         "Schiedsrichter")
ZAV_TEXT(416, TeamsNumber,
         "Nombre d'équipes",
         "Teams number",
         "Numero di squadre",
         "Anzahl der Mannschaften")
ZAV_TEXT(417, GamesNumber,
         "Nombre de jeux",
         "Games number",
         "Numero di giochi",
         "Anzahl der Spiele")
ZAV_TEXT(418, FirstTeamPoints,
         "Points de la première équipe",
         "Points for the first team",
         "Punti per la prima squadra",
         "Punkte für die erste Mannschaft")
ZAV_TEXT(419, EliminationRules,
         "Règle d'élimination",
         "Elimination rules",
         "Regole di eliminazione",
         "Ausschlussregeln")
ZAV_TEXT(420, ChallengeGroup,
         "Données facultatives pour la feuille 'Challenge'",
         "Optional data for 'Challenge' score sheet",
         "Dati facoltativi per il foglio 'Challenge'",
         "Optionale Angaben für den 'Challenge'-Bogen")
ZAV_TEXT(421, ChallengeTitle,
         "Titre du 'Challenge'",
         "Title 'Challenge'",
         "Titolo 'Challenge'",
         "Titel der 'Challenge'")
ZAV_TEXT(422, FirstChallengePoints,
         "Points de la première équipe 'Challenge'",
         "Points for the first 'Challenge' team",
         "Punti per la prima squadra 'Challenge'",
         "Punkte für die erste 'Challenge'-Mannschaft")
ZAV_TEXT(430, TeamsGroup,
         "Noms et couleurs des équipes",
         "Names and colors of teams",
         "Nomi e colori delle squadre",
         "Namen und Farben der Mannschaften")
ZAV_TEXT(431, Names,
         "Noms",
         "Names",
         "Nomi",
         "Namen")
ZAV_TEXT(432, Colors,
         "Couleurs",
         "Colors",
         "Colori",
         "Farben")
ZAV_TEXT(433, Challenge,
         "Challenge",
         "Challenge",
         "Challenge",
         "Challenge")
ZAV_TEXT(434, TeamNumber,
         "Équipe %d",
         "Team %d",
         "Squadra %d",
         "Mannschaft %d")
ZAV_TEXT(440, GamesGroup,
         "Liste des jeux",
         "Game list",
         "Elenco giochi",
         "Spielliste")
ZAV_TEXT(441, GameNumber,
         "Jeu %d",
         "Game %d",
         "Gioco %d",
         "Spiel %d")
ZAV_TEXT(450, LogoNote,
         "Logo : la hauteur maximale du logo est de 100 pixels",
         "Logo : maximum logo height is 100 pixels",
         "Logo : l'altezza massima del logo è di 100 pixel",
         "Logo : das Logo ist höchstens 100 Pixel hoch")
ZAV_TEXT(460, ColorsHeading,
         "Choix des couleurs d'affichage",
         "Color choice for display",
         "Scelta dei colori di visualizzazione",
         "Farbwahl für die Anzeige")
ZAV_TEXT(461, ColorTitle,
         "Couleur du titre et du sous-titre",
         "Color for title and sub-title",
         "Colore del titolo e del sottotitolo",
         "Farbe für Titel und Untertitel")
ZAV_TEXT(462, ColorHeader,
         "Couleur de l'en-tête du tableau",
         "Color for table header",
         "Colore dell'intestazione della tabella",
         "Farbe für den Tabellenkopf")
ZAV_TEXT(463, ColorEvenLines,
         "Couleur des lignes paires",
         "Color for even lines",
         "Colore delle righe pari",
         "Farbe für gerade Zeilen")
ZAV_TEXT(464, ColorOddLines,
         "Couleur des lignes impaires",
         "Color for odd lines",
         "Colore delle righe dispari",
         "Farbe für ungerade Zeilen")
ZAV_TEXT(465, ModelsGroup,
         "Modèles prédéfinis",
         "Predefined models",
         "Modelli predefiniti",
         "Vordefinierte Modelle")
ZAV_TEXT(466, ModelWater,
         "Eau",
         "Water",
         "Acqua",
         "Wasser")
ZAV_TEXT(467, ModelSand,
         "Sable",
         "Sand",
         "Sabbia",
         "Sand")
ZAV_TEXT(468, ModelCoal,
         "Charbon",
         "Coal",
         "Carbone",
         "Kohle")
ZAV_TEXT(469, ModelGrass,
         "Herbe",
         "Grass",
         "Erba",
         "Gras")
ZAV_TEXT(470, ModelGold,
         "Or",
         "Gold",
         "Oro",
         "Gold")
ZAV_TEXT(471, ModelSilver,
         "Argent",
         "Silver",
         "Argento",
         "Silber")
ZAV_TEXT(472, ModelBronze,
         "Bronze",
         "Bronze",
         "Bronzo",
         "Bronze")
ZAV_TEXT(473, ModelBlackAndWhite,
         "Noir et blanc",
         "B and W only",
         "Solo bianco e nero",
         "Nur Schwarzweiß")
ZAV_TEXT(474, ColorsCancel,
         "Annuler",
         "Annuler",
         "Annulla",
         "Abbrechen")
ZAV_TEXT(480, LanguageNote,
         "Attention : le logiciel va être fermé puis rouvert pour changer de langue.",
         "Warning : the software will be closed then re-opened to change language.",
         "Attenzione : il programma sarà chiuso e poi riaperto per cambiare lingua.",
         "Achtung : das Programm wird zum Sprachwechsel geschlossen und wieder geöffnet.")
ZAV_TEXT(490, ExportPdf,
         "Exporter la feuille de match en PDF",
         "Export score sheet to PDF",
         "Esporta foglio di gara in PDF",
         "Wertungsbogen als PDF exportieren")
ZAV_TEXT(491, ExportStaffPdf,
         "Exporter la liste des juges de ligne et de l'équipe de piste en PDF",
         "Export assistant referees and arena party list to PDF",
         "Esporta elenco giudici di linea e addetti al campo in PDF",
         "Liste der Linienrichter und Platzhelfer als PDF exportieren")
ZAV_TEXT(492, ExportEquipPdf,
         "Exporter la liste du matériel en PDF",
         "Export equipment list to PDF",
         "Esporta elenco materiale in PDF",
         "Materialliste als PDF exportieren")
ZAV_TEXT(493, PdfFilter,
         "Fichiers PDF (*.pdf)|*.pdf",
         "PDF files (*.pdf)|*.pdf",
         "File PDF (*.pdf)|*.pdf",
         "PDF-Dateien (*.pdf)|*.pdf")
ZAV_TEXT(494, DocumentMissing,
         "Le document %s est absent. Placez-en une copie dans le dossier %s pour l'ouvrir depuis ce menu.",
         "The document %s is missing. Put a copy of it in the folder %s to open it from this menu.",
         "Il documento %s manca. Mettetene una copia nella cartella %s per aprirlo da questo menu.",
         "Das Dokument %s fehlt. Legen Sie eine Kopie davon in den Ordner %s, um es über dieses Menü zu öffnen.")
ZAV_TEXT(495, PdfFailed,
         "Erreur lors de l'écriture du fichier PDF = %s",
         "Error while writing the PDF file = %s",
         "Errore durante la scrittura del file PDF = %s",
         "Fehler beim Schreiben der PDF-Datei = %s")
ZAV_TEXT(500, TitleGameResult,
         "Saisie du résultat d'un jeu",
         "Game result input",
         "Inserimento risultato del gioco",
         "Eingabe des Spielergebnisses")
ZAV_TEXT(501, GameGroup,
         "Jeu",
         "Game",
         "Gioco",
         "Spiel")
ZAV_TEXT(502, ArrivalOrder,
         "Ordre d'arrivée",
         "Arrival order",
         "Ordine di arrivo",
         "Einlaufreihenfolge")
ZAV_TEXT(503, BlameHeading,
         "Avertissement",
         "Blame",
         "Ammonizione",
         "Verwarnung")
ZAV_TEXT(504, TieBreakHeader,
         "Barrage",
         "Tie-break",
         "Spareggio",
         "Stechen")
ZAV_TEXT(600, TitleTieBreak,
         "Saisie du résultat du barrage",
         "Tie-break result input",
         "Inserimento risultato dello spareggio",
         "Eingabe des Stechergebnisses")
ZAV_TEXT(601, TitlePreviousHeat,
         "Résultat des manches précédentes",
         "Previous heat result",
         "Risultato delle manche precedenti",
         "Ergebnis vorheriger Läufe")
ZAV_TEXT(602, TitleGeneralData,
         "Saisie des données générales",
         "General data input",
         "Inserimento dati generali",
         "Eingabe der allgemeinen Angaben")
ZAV_TEXT(603, TitleTeams,
         "Saisie des équipes et des couleurs",
         "Teams and colors input",
         "Inserimento squadre e colori",
         "Eingabe der Mannschaften und Farben")
ZAV_TEXT(604, TitleGameList,
         "Saisie de la liste des jeux",
         "Game list input",
         "Inserimento elenco giochi",
         "Eingabe der Spielliste")
ZAV_TEXT(605, TitleLogo,
         "Choix du logo",
         "Choice of logo",
         "Scelta del logo",
         "Wahl des Logos")
ZAV_TEXT(606, TitleColors,
         "Choix des couleurs",
         "Color choice",
         "Scelta dei colori",
         "Farbwahl")
ZAV_TEXT(607, TitleLanguage,
         "Langue du logiciel",
         "Software language",
         "Lingua del programma",
         "Programmsprache")
ZAV_TEXT(608, TitleColumnSup,
         "Saisie de la colonne supplémentaire",
         "Add-on column input",
         "Inserimento colonna aggiuntiva",
         "Eingabe der Zusatzspalte")
ZAV_TEXT(610, TitlePreviousChall,
         "Résultat 'Challenge' des manches précédentes",
         "Previous 'Challenge' heat(s) result",
         "Risultato 'Challenge' delle manche precedenti",
         "Vorheriges 'Challenge'-Ergebnis")
ZAV_TEXT(611, TitlePlaceurNames,
         "Saisie des noms de l'équipe de piste",
         "Arena party names input",
         "Inserimento nomi degli addetti al campo",
         "Eingabe der Namen der Platzhelfer")
ZAV_TEXT(612, TitleARefereeNames,
         "Saisie des noms des juges de ligne",
         "Assistant referee names input",
         "Inserimento nomi dei giudici di linea",
         "Eingabe der Namen der Linienrichter")
ZAV_TEXT(613, TitleSetOptions,
         "Jeu de feuilles de match : options par défaut",
         "Score sheet set : Default options",
         "Score sheet set : Default options",
         "Score sheet set : Default options")
ZAV_TEXT(614, TitleSetGroups,
         "Jeu de feuilles de match : groupe de catégories",
         "Score sheet set : Group of categories",
         "Score sheet set : Group of categories",
         "Score sheet set : Group of categories")
ZAV_TEXT(615, TitleDeleteTeam,
         "Équipe à retirer de la feuille de match",
         "Team to delete from current score sheet",
         "Team to delete from current score sheet",
         "Aus dem Wertungsbogen zu löschende Mannschaft")
ZAV_TEXT(616, ScoresGroup,
         "Points",
         "Scores",
         "Punteggi",
         "Punkte")
ZAV_TEXT(617, EraseAll,
         "Tout effacer",
         "Erase all",
         "Cancella tutto",
         "Alles löschen")
ZAV_TEXT(618, PreviousChallHeader,
         "Résultat 'Challenge' précédent",
         "Previous 'Challenge' result",
         "Risultato 'Challenge' precedente",
         "Vorheriges 'Challenge'-Ergebnis")
ZAV_TEXT(619, ColumnTitle,
         "Titre de la colonne",
         "Column title",
         "Titolo della colonna",
         "Spaltentitel")
ZAV_TEXT(620, ContentByTeam,
         "Contenu par équipe",
         "Content by team",
         "Contenuto per squadra",
         "Inhalt je Mannschaft")
ZAV_TEXT(621, ARefereeHeader,
         "Noms des juges de ligne",
         "Names of assistant referees",
         "Nomi dei giudici di linea",
         "Namen der Linienrichter")
ZAV_TEXT(622, PlaceurHeader,
         "Noms de l'équipe de piste",
         "Arena party names",
         "Nomi degli addetti al campo",
         "Namen der Platzhelfer")
ZAV_TEXT(623, ChooseTeamToDelete,
         "Choisissez l'équipe à retirer de la feuille de match en cours.",
         "Choose the team to delete from the current score sheet.",
         "Scegliere la squadra da eliminare dal foglio di gara corrente.",
         "Wählen Sie die Mannschaft, die aus dem aktuellen Wertungsbogen gestrichen werden soll.")
ZAV_TEXT(624, DeletionWarning,
         "ATTENTION : après validation, le retrait de l'équipe sera irréversible.",
         "WARNING : after validation, the deletion of the team will be irreversible.",
         "ATTENZIONE : dopo la conferma, l'eliminazione della squadra sarà irreversibile.",
         "ACHTUNG : nach der Bestätigung kann das Streichen der Mannschaft nicht rückgängig gemacht werden.")
ZAV_TEXT(640, NoFileBeside,
         "Impossible d'enregistrer le fichier = %s\nSon dossier n'accepte pas de nouveau fichier : le fichier est resté tel quel. Enregistrez dans un autre dossier.",
         "Cannot save the file = %s\nIts folder does not accept a new file: the file was left as it was. Save in another folder.",
         "Impossibile salvare il file = %s\nLa sua cartella non accetta un nuovo file: il file è rimasto com'era. Salvate in un'altra cartella.",
         "Die Datei kann nicht gespeichert werden = %s\nIhr Ordner nimmt keine neue Datei an: die Datei bleibt unverändert. Speichern Sie in einem anderen Ordner.")
ZAV_TEXT(641, SetEntriesSkipped,
         "Ces lignes du jeu de feuilles de match ne désignent pas une feuille de son dossier et sont ignorées :\n%s",
         "These entries of the score sheet set do not name a sheet of its folder and are skipped:\n%s",
         "Queste voci del set di fogli di gara non indicano un foglio della sua cartella e sono ignorate:\n%s",
         "Diese Einträge des Wertungsbogensatzes bezeichnen keinen Wertungsbogen seines Ordners und werden übergangen:\n%s")
ZAV_TEXT(642, Yes,
         "Oui",
         "Yes",
         "Sì",
         "Ja")
ZAV_TEXT(643, No,
         "Non",
         "No",
         "No",
         "Nein")
ZAV_TEXT(644, ReplaceExistingFile,
         "Le fichier %s existe déjà.\nVoulez-vous le remplacer ?",
         "The file %s already exists.\nDo you want to replace it?",
         "Il file %s esiste già.\nVolete sostituirlo?",
         "Die Datei %s existiert bereits.\nMöchten Sie sie ersetzen?")
ZAV_TEXT(645, SettingsNotWritten,
         "Impossible d'enregistrer le réglage dans le fichier des réglages = %s",
         "The setting could not be written to the settings file = %s",
         "Impossibile scrivere l'impostazione nel file delle impostazioni = %s",
         "Die Einstellung konnte nicht in die Einstellungsdatei geschrieben werden = %s")
// 660..699: keyboard entry of results, the first steps of a new user.
ZAV_TEXT(646, FileReadOnly,
         "Impossible d'enregistrer le fichier = %s\nIl est protégé en écriture (lecture seule) : le fichier est resté tel quel. Enregistrez sous un autre nom, ou ôtez d'abord sa protection.",
         "Cannot save the file = %s\nIt is write-protected (read-only): the file was left as it was. Save under another name, or remove its protection first.",
         "Impossibile salvare il file = %s\nÈ protetto in scrittura (sola lettura): il file è rimasto com'era. Salvate con un altro nome, o togliete prima la protezione.",
         "Die Datei kann nicht gespeichert werden = %s\nSie ist schreibgeschützt: die Datei blieb unverändert. Unter einem anderen Namen speichern oder zuerst den Schutz aufheben.")
ZAV_TEXT(660, OutcomeKeys,
         "ead",
         "ead",
         "erd",
         "xae")
ZAV_TEXT(661, ResultKeysHint,
         "Clavier : la place de chaque équipe (0 pour 10), E élimination, A abandon, D abandon définitif. Espace : avertissement (avant la place). Retour arrière : sans résultat. Haut depuis la première équipe, puis un numéro : un autre jeu. Entrée : OK.",
         "Keys: each team's place (0 for 10), E elimination, A abandon, D definitive abandon. Space: blame (before the place). Backspace: no result. Up from the first team, then a number: another game. Enter: OK.",
         "Tasti: il posto di ogni squadra (0 per 10), E eliminazione, R ritiro, D ritiro definitivo. Spazio: ammonizione (prima del posto). Backspace: nessun risultato. Su dalla prima squadra, poi un numero: un altro gioco. Invio: OK.",
         "Tasten: Platz jeder Mannschaft (0 für 10), X Ausschluss, A Aufgabe, E endgültige Aufgabe. Leertaste: Verwarnung (vor dem Platz). Rücktaste: kein Ergebnis. Pfeil nach oben von der ersten Mannschaft, dann eine Nummer: ein anderes Spiel. Eingabe: OK.")
ZAV_TEXT(662, ClearResults,
         "Effacer",
         "Clear",
         "Cancella",
         "Löschen")
ZAV_TEXT(663, ClearResultsQuestion,
         "Effacer tous les résultats et avertissements du jeu %d ?",
         "Clear every result and blame of game %d?",
         "Cancellare tutti i risultati e le ammonizioni del gioco %d?",
         "Alle Ergebnisse und Verwarnungen von Spiel %d löschen?")
ZAV_TEXT(664, MissingResults,
         "Pas de résultat pour : %s.\nEnregistrer le jeu quand même ?",
         "No result for: %s.\nStore the game all the same?",
         "Nessun risultato per: %s.\nSalvare il gioco comunque?",
         "Kein Ergebnis für: %s.\nSpiel trotzdem speichern?")
ZAV_TEXT(665, TieBreakKeysHint,
         "Clavier : la position de chaque équipe à égalité. Entrée : OK.",
         "Keys: the position of each level team. Enter: OK.",
         "Tasti: la posizione di ogni squadra a pari merito. Invio: OK.",
         "Tasten: der Platz jeder punktgleichen Mannschaft. Eingabe: OK.")
ZAV_TEXT(666, StartNewHeat,
         "Une nouvelle manche : %s",
         "A new heat: %s",
         "Una nuova manche: %s",
         "Ein neuer Lauf: %s")
ZAV_TEXT(667, StartOpenSheet,
         "Une feuille déjà commencée : %s",
         "A sheet begun earlier: %s",
         "Un foglio già iniziato: %s",
         "Ein begonnener Wertungsbogen: %s")
ZAV_TEXT(668, StartImportEntries,
         "Toutes les manches d'une compétition, depuis son fichier d'engagés : %s",
         "Every heat of an event, from its entries file: %s",
         "Tutte le manche di una gara, dal file delle iscrizioni: %s",
         "Alle Läufe einer Veranstaltung, aus der Nennungsdatei: %s")
ZAV_TEXT(670, GameListKeysHint,
         "Clavier : les premières lettres d'un jeu le choisissent.",
         "Keys: type the first letters of a game to choose it.",
         "Tasti: le prime lettere di un gioco lo scelgono.",
         "Tasten: die ersten Buchstaben eines Spiels wählen es.")
ZAV_TEXT(700, PrintPreview,
         "Aperçu avant impression",
         "Print preview",
         "Anteprima di stampa",
         "Druckvorschau")
ZAV_TEXT(701, PreviewFailed,
         "L'aperçu avant impression n'a pas pu être préparé.",
         "The print preview could not be prepared.",
         "Non è stato possibile preparare l'anteprima di stampa.",
         "Die Druckvorschau konnte nicht erstellt werden.")
ZAV_TEXT(671, JudgeCardTitle,
         "Ligne d'arrivée : envoyer les résultats",
         "Finish line: sending results",
         "Linea d'arrivo: inviare i risultati",
         "Ziellinie: Ergebnisse senden")
ZAV_TEXT(672, JudgeCardCodeLabel,
         "Code de saisie",
         "Entry code",
         "Codice di inserimento",
         "Eingabecode")
ZAV_TEXT(673, JudgeCardStepOpen,
         "Ouvrez l'adresse sur le téléphone : photographiez le code QR ou tapez l'adresse. Le téléphone doit être sur le même réseau Wi-Fi que l'ordinateur du marqueur.",
         "Open the address on the phone: scan the QR code or type the address. The phone must be on the same Wi-Fi network as the scorer's computer.",
         "Aprite l'indirizzo sul telefono: inquadrate il codice QR o digitate l'indirizzo. Il telefono deve essere sulla stessa rete Wi-Fi del computer del segnapunti.",
         "Öffnen Sie die Adresse auf dem Telefon: QR-Code scannen oder Adresse eingeben. Das Telefon muss im selben WLAN sein wie der Computer des Schreibers.")
ZAV_TEXT(674, JudgeCardStepCode,
         "Tapez le code de saisie et votre nom (par ex. Juge d'arrivée), une seule fois par téléphone.",
         "Type the entry code and your name (e.g. Finish judge), once per phone.",
         "Digitate il codice di inserimento e il vostro nome (es. Giudice d'arrivo), una sola volta per telefono.",
         "Geben Sie den Eingabecode und Ihren Namen ein (z. B. Zielrichter), einmal pro Telefon.")
ZAV_TEXT(675, JudgeCardStepSend,
         "Choisissez le jeu, donnez à chaque équipe sa place, puis « Envoyer » : le téléphone dit quand le marqueur a accepté le résultat.",
         "Choose the game, give each team its place, then \"Send\": the phone says when the scorer has accepted the result.",
         "Scegliete il gioco, date a ogni squadra il suo posto, poi «Invia»: il telefono dice quando il segnapunti ha accettato il risultato.",
         "Wählen Sie das Spiel, geben Sie jeder Mannschaft ihren Platz, dann »Senden«: Das Telefon zeigt, wann der Schreiber das Ergebnis angenommen hat.")
ZAV_TEXT(676, ButtonPrintJudgeCard,
         "Imprimer la carte du juge...",
         "Print the judge's card...",
         "Stampa la scheda del giudice...",
         "Richterkarte drucken...")
ZAV_TEXT(677, ButtonJudgeCardPdf,
         "Carte du juge en PDF...",
         "Judge's card in PDF...",
         "Scheda del giudice in PDF...",
         "Richterkarte als PDF...")
ZAV_TEXT(706, FileInUse,
         "Impossible d'enregistrer le fichier = %s\nUn autre programme le tient ouvert : le fichier est resté tel quel. Fermez-le dans cet autre programme, puis enregistrez à nouveau.",
         "Cannot save the file = %s\nAnother program holds it open: the file was left as it was. Close it in that program, then save again.",
         "Impossibile salvare il file = %s\nUn altro programma lo tiene aperto: il file è rimasto com'era. Chiudetelo in quel programma, poi salvate di nuovo.",
         "Die Datei kann nicht gespeichert werden = %s\nEin anderes Programm hält sie geöffnet: die Datei bleibt unverändert. Schließen Sie sie dort und speichern Sie erneut.")
ZAV_TEXT(707, PdfPrinterMissing,
         "L'export PDF passe par l'imprimante « Microsoft Print to PDF » de Windows, qui n'est pas installée sur cet ordinateur. Activez-la dans Paramètres, Imprimantes et scanners (ou Fonctionnalités de Windows), ou imprimez vers une autre imprimante PDF.",
         "PDF export goes through Windows' \"Microsoft Print to PDF\" printer, which is not installed on this computer. Turn it on in Settings, Printers & scanners (or Windows Features), or print to another PDF printer.",
         "L'esportazione PDF passa per la stampante « Microsoft Print to PDF » di Windows, che non è installata su questo computer. Attivatela in Impostazioni, Stampanti e scanner (o Funzionalità di Windows), oppure stampate su un'altra stampante PDF.",
         "Der PDF-Export geht über den Windows-Drucker »Microsoft Print to PDF«, der auf diesem Computer nicht installiert ist. Schalten Sie ihn unter Einstellungen, Drucker & Scanner (oder Windows-Features) ein, oder drucken Sie auf einen anderen PDF-Drucker.")
ZAV_TEXT(720, MenuRecentSheets,
         "Feuilles récentes",
         "Recent sheets",
         "Fogli recenti",
         "Zuletzt geöffnete Bögen")
ZAV_TEXT(721, RecentFileMissing,
         "Le fichier %s n'existe plus : il est retiré des feuilles récentes.",
         "The file %s no longer exists: it is removed from the recent sheets.",
         "Il file %s non esiste più: viene tolto dai fogli recenti.",
         "Die Datei %s gibt es nicht mehr: sie wird aus den zuletzt geöffneten Bögen entfernt.")
ZAV_TEXT(722, MenuUserGuide,
         "Guide de l'utilisateur",
         "User guide",
         "Guida dell'utente",
         "Benutzerhandbuch")
ZAV_TEXT(723, RecoveryOfferOverNewer,
         "Restaurer les modifications non enregistrées de %s du %s ?\n\nAttention : son fichier a été enregistré depuis, le %s. La feuille restaurée sera enregistrée sous un nouveau nom, jamais à la place de ce fichier.",
         "Restore the unsaved changes of %s from %s?\n\nCaution: its file was saved since, at %s. The restored sheet will be saved under a new name, never over that file.",
         "Ripristinare le modifiche non salvate di %s del %s?\n\nAttenzione: il suo file è stato salvato in seguito, il %s. Il foglio ripristinato sarà salvato con un nuovo nome, mai al posto di quel file.",
         "Die nicht gespeicherten Änderungen an %s vom %s wiederherstellen?\n\nAchtung: die Datei wurde seitdem gespeichert, am %s. Der wiederhergestellte Wertungsbogen wird unter einem neuen Namen gespeichert, nie an Stelle dieser Datei.")
ZAV_TEXT(724, DamagedRecoveries,
         "Des fichiers de récupération incomplets ou illisibles ont été mis de côté dans %s.",
         "Recovery files that were incomplete or unreadable have been put aside in %s.",
         "I file di recupero incompleti o illeggibili sono stati messi da parte in %s.",
         "Unvollständige oder unlesbare Wiederherstellungsdateien wurden in %s beiseitegelegt.")
ZAV_TEXT(725, FilesExist,
         "Ces fichiers existent déjà et ne sont pas remplacés :\n%s",
         "These files already exist and are not replaced:\n%s",
         "Questi file esistono già e non vengono sostituiti:\n%s",
         "Diese Dateien existieren bereits und werden nicht ersetzt:\n%s")
ZAV_TEXT(726, PreviewNoPrinter,
         "L'aperçu avant impression n'a pas pu être préparé : aucune imprimante n'est installée sur cet ordinateur, et l'aperçu met les pages en forme pour une imprimante. Ajoutez-en une dans Paramètres, Imprimantes et scanners (« Microsoft Print to PDF » convient).",
         "The print preview could not be prepared: no printer is installed on this computer, and the preview lays the pages out for a printer. Add one in Settings, Printers & scanners (\"Microsoft Print to PDF\" will do).",
         "Non è stato possibile preparare l'anteprima di stampa: nessuna stampante è installata su questo computer, e l'anteprima impagina per una stampante. Aggiungetene una in Impostazioni, Stampanti e scanner (« Microsoft Print to PDF » va bene).",
         "Die Druckvorschau konnte nicht erstellt werden: auf diesem Computer ist kein Drucker installiert, und die Vorschau richtet die Seiten für einen Drucker ein. Fügen Sie einen unter Einstellungen, Drucker & Scanner hinzu (»Microsoft Print to PDF« genügt).")
ZAV_TEXT(743, PrintFailed,
         "L'impression a échoué : %s",
         "Printing failed: %s",
         "La stampa non è riuscita: %s",
         "Der Druck ist fehlgeschlagen: %s")
ZAV_TEXT(744, NoReasonGiven,
         "le système d'impression n'en a pas donné la raison.",
         "the printing system gave no reason.",
         "il sistema di stampa non ne ha dato il motivo.",
         "das Drucksystem hat keinen Grund genannt.")
ZAV_TEXT(750, MenuUndo,
         "Annuler",
         "Undo",
         "Annulla",
         "Rückgängig")
ZAV_TEXT(751, MenuRedo,
         "Rétablir",
         "Redo",
         "Ripristina",
         "Wiederholen")
ZAV_TEXT(752, UndoStep,
         "Annuler : %s",
         "Undo: %s",
         "Annulla: %s",
         "Rückgängig: %s")
ZAV_TEXT(753, RedoStep,
         "Rétablir : %s",
         "Redo: %s",
         "Ripristina: %s",
         "Wiederholen: %s")
ZAV_TEXT(754, StepGeneralData,
         "données générales",
         "general data",
         "dati generali",
         "allgemeine Daten")
ZAV_TEXT(755, StepTeams,
         "équipes et couleurs",
         "teams and colours",
         "squadre e colori",
         "Mannschaften und Farben")
ZAV_TEXT(756, StepGameList,
         "liste des jeux",
         "game list",
         "elenco dei giochi",
         "Spielliste")
ZAV_TEXT(757, StepPreviousHeat,
         "résultats des manches précédentes",
         "previous heats result",
         "risultati delle manche precedenti",
         "Ergebnis der vorherigen Läufe")
ZAV_TEXT(758, StepPreviousChallenge,
         "résultat 'Challenge' précédent",
         "previous 'Challenge' result",
         "risultato 'Challenge' precedente",
         "vorheriges 'Challenge'-Ergebnis")
ZAV_TEXT(759, StepAssistantReferees,
         "juges de ligne",
         "assistant referees",
         "giudici di linea",
         "Linienrichter")
ZAV_TEXT(760, StepArenaParty,
         "équipe de piste",
         "arena party",
         "addetti al campo",
         "Platzhelfer")
ZAV_TEXT(761, StepGameResult,
         "résultat du jeu %d",
         "result of game %d",
         "risultato del gioco %d",
         "Ergebnis von Spiel %d")
ZAV_TEXT(762, StepTieBreak,
         "résultat du départage",
         "tie-break result",
         "risultato dello spareggio",
         "Stechen-Ergebnis")
ZAV_TEXT(763, StepAddOnColumn,
         "colonne supplémentaire",
         "add-on column",
         "colonna aggiuntiva",
         "Zusatzspalte")
ZAV_TEXT(764, StepWithdrawal,
         "retrait de l'équipe %s",
         "withdrawal of team %s",
         "ritiro della squadra %s",
         "Rückzug der Mannschaft %s")
ZAV_TEXT(766, RecoveryOffer,
         "Restaurer les modifications non enregistrées de %s du %s ?",
         "Restore the unsaved changes of %s from %s?",
         "Ripristinare le modifiche non salvate di %s del %s?",
         "Die nicht gespeicherten Änderungen an %s vom %s wiederherstellen?")
ZAV_TEXT(767, RecoveryNewSheet,
         "une nouvelle feuille de match",
         "a new score sheet",
         "un nuovo foglio di gara",
         "einem neuen Wertungsbogen")
ZAV_TEXT(768, RecoveryNotWritten,
         "Les modifications non enregistrées ne peuvent pas être gardées dans %s en cas de panne : enregistrez souvent la feuille de match.",
         "The unsaved changes cannot be kept in %s in case of a crash: save the score sheet often.",
         "Le modifiche non salvate non possono essere conservate in %s in caso di guasto: salvate spesso il foglio di gara.",
         "Die nicht gespeicherten Änderungen können bei einem Absturz nicht in %s bewahrt werden: speichern Sie den Wertungsbogen oft.")
ZAV_TEXT(770, PublishTitleColumn,
         "Titre",
         "Title",
         "Titolo",
         "Titel")
ZAV_TEXT(771, PublishSubTitleColumn,
         "Sous-titre",
         "Sub-title",
         "Sottotitolo",
         "Untertitel")
ZAV_TEXT(772, PublishDateColumn,
         "Date",
         "Date",
         "Data",
         "Datum")
ZAV_TEXT(773, PublishResultsColumn,
         "Résultats",
         "Results",
         "Risultati",
         "Ergebnisse")
ZAV_TEXT(774, PublishTimeColumn,
         "Dernière publication",
         "Last published",
         "Ultima pubblicazione",
         "Zuletzt veröffentlicht")
ZAV_TEXT(775, PublishLink,
         "Voir",
         "View",
         "Vedi",
         "Ansehen")
ZAV_TEXT(776, PublishIndexSubTitle,
         "Résultats en direct",
         "Live results",
         "Risultati in diretta",
         "Live-Ergebnisse")
ZAV_TEXT(777, MenuPublishResults,
         "Publier les résultats...",
         "Publish results...",
         "Pubblica i risultati...",
         "Ergebnisse veröffentlichen...")
ZAV_TEXT(778, MenuPublishNow,
         "Publier maintenant",
         "Publish now",
         "Pubblica ora",
         "Jetzt veröffentlichen")
ZAV_TEXT(779, MenuFullScreen,
         "Plein écran",
         "Full screen",
         "Schermo intero",
         "Vollbild")
ZAV_TEXT(780, TitlePublish,
         "Publication des résultats",
         "Publishing the results",
         "Pubblicazione dei risultati",
         "Veröffentlichung der Ergebnisse")
ZAV_TEXT(781, PublishOnSave,
         "Publier à chaque enregistrement d'une feuille de match",
         "Publish at every save of a score sheet",
         "Pubblicare a ogni salvataggio di un foglio di gara",
         "Bei jedem Speichern eines Wertungsbogens veröffentlichen")
ZAV_TEXT(782, PublishFolderLabel,
         "Dossier des pages publiées :",
         "Folder of the published pages:",
         "Cartella delle pagine pubblicate:",
         "Ordner der veröffentlichten Seiten:")
ZAV_TEXT(783, PublishRefreshLabel,
         "Rechargement des pages par le navigateur (secondes, 0 = jamais) :",
         "Browsers reload the pages every (seconds, 0 = never):",
         "I browser ricaricano le pagine ogni (secondi, 0 = mai):",
         "Browser laden die Seiten neu alle (Sekunden, 0 = nie):")
ZAV_TEXT(784, PublishNote,
         "Un serveur web ou un dossier synchronisé montre ce dossier au public.",
         "A web server or a synchronised folder shows this folder to the public.",
         "Un server web o una cartella sincronizzata mostra questa cartella al pubblico.",
         "Ein Webserver oder ein synchronisierter Ordner zeigt diesen Ordner der Öffentlichkeit.")
ZAV_TEXT(785, ChoosePublishFolder,
         "Choisissez le dossier des pages publiées",
         "Choose the folder of the published pages",
         "Scegliete la cartella delle pagine pubblicate",
         "Wählen Sie den Ordner der veröffentlichten Seiten")
ZAV_TEXT(786, PublishFailed,
         "Les résultats n'ont pas pu être publiés :",
         "The results could not be published:",
         "Non è stato possibile pubblicare i risultati:",
         "Die Ergebnisse konnten nicht veröffentlicht werden:")
ZAV_TEXT(787, PublishedIn,
         "Résultats publiés dans %s",
         "Results published in %s",
         "Risultati pubblicati in %s",
         "Ergebnisse veröffentlicht in %s")
ZAV_TEXT(788, NoPublishFolder,
         "Aucun dossier de publication : choisissez-en un dans Options, Publier les résultats...",
         "No publication folder: choose one in Options, Publish results...",
         "Nessuna cartella di pubblicazione: sceglietene una in Opzioni, Pubblica i risultati...",
         "Kein Veröffentlichungsordner: wählen Sie einen unter Optionen, Ergebnisse veröffentlichen...")
ZAV_TEXT(800, PhoneGames,
         "Jeux",
         "Games",
         "Giochi",
         "Spiele")
ZAV_TEXT(801, PhonePosition,
         "Pl.",
         "Pos.",
         "Pos.",
         "Pl.")
ZAV_TEXT(802, PhoneFullSheet,
         "Feuille de score complète",
         "Full score sheet",
         "Foglio di punteggio completo",
         "Vollständiger Wertungsbogen")
ZAV_TEXT(803, PhoneSheets,
         "Feuilles de score",
         "Score sheets",
         "Fogli di punteggio",
         "Wertungsbögen")
ZAV_TEXT(860, UploadBadAddress,
         "Adresse d'envoi non reconnue : elle commence par sftp://, ftp://, ftps://, https:// ou s3:// suivi du serveur",
         "Upload address not understood: it starts with sftp://, ftp://, ftps://, https:// or s3:// and the server",
         "Indirizzo di invio non riconosciuto: inizia con sftp://, ftp://, ftps://, https:// o s3:// seguito dal server",
         "Upload-Adresse nicht erkannt: sie beginnt mit sftp://, ftp://, ftps://, https:// oder s3:// und dem Server")
ZAV_TEXT(861, UploadLocalFolder,
         "Le dossier de publication local ne peut pas être lu",
         "The local publication folder cannot be read",
         "La cartella di pubblicazione locale non può essere letta",
         "Der lokale Veröffentlichungsordner kann nicht gelesen werden")
ZAV_TEXT(862, UploadCannotConnect,
         "Serveur injoignable ou connexion perdue",
         "Server not reached or connection lost",
         "Server non raggiungibile o connessione persa",
         "Server nicht erreichbar oder Verbindung verloren")
ZAV_TEXT(863, UploadLoginRefused,
         "Connexion refusée par le serveur : vérifiez le nom d'utilisateur et le mot de passe",
         "Login refused by the server: check the user name and password",
         "Accesso rifiutato dal server: verificate nome utente e password",
         "Anmeldung vom Server abgelehnt: prüfen Sie Benutzername und Passwort")
ZAV_TEXT(864, UploadHostUnknown,
         "Serveur inconnu : sa clé n'est pas dans ~/.ssh/known_hosts. Pour lui faire confiance, connectez-vous une fois avec « %s » et acceptez sa clé",
         "Unknown server: its key is not in ~/.ssh/known_hosts. To trust it, connect once with \"%s\" and accept its key",
         "Server sconosciuto: la sua chiave non è in ~/.ssh/known_hosts. Per fidarvi, collegatevi una volta con «%s» e accettate la chiave",
         "Unbekannter Server: sein Schlüssel steht nicht in ~/.ssh/known_hosts. Um ihm zu vertrauen, verbinden Sie sich einmal mit \"%s\" und nehmen den Schlüssel an")
ZAV_TEXT(865, UploadHostKeyChanged,
         "La clé du serveur a changé depuis qu'il a été accepté (~/.ssh/known_hosts) : ce peut être une attaque. Si le changement est attendu, effacez l'ancienne clé avec « ssh-keygen -R %s » puis connectez-vous une fois avec ssh",
         "The server's key has changed since it was trusted (~/.ssh/known_hosts): this may be an attack. If the change is expected, remove the old key with \"ssh-keygen -R %s\" and connect once with ssh",
         "La chiave del server è cambiata da quando è stato accettato (~/.ssh/known_hosts): può essere un attacco. Se il cambio è atteso, togliete la vecchia chiave con «ssh-keygen -R %s» e collegatevi una volta con ssh",
         "Der Schlüssel des Servers hat sich seit seiner Annahme geändert (~/.ssh/known_hosts): das kann ein Angriff sein. Ist die Änderung erwartet, entfernen Sie den alten Schlüssel mit \"ssh-keygen -R %s\" und verbinden Sie sich einmal mit ssh")
ZAV_TEXT(866, UploadNotTrusted,
         "Le certificat du serveur n'est pas reconnu",
         "The server's certificate is not trusted",
         "Il certificato del server non è riconosciuto",
         "Das Zertifikat des Servers ist nicht vertrauenswürdig")
ZAV_TEXT(867, UploadRefused,
         "Le serveur a refusé d'enregistrer un fichier",
         "The server refused to store a file",
         "Il server ha rifiutato di salvare un file",
         "Der Server hat das Speichern einer Datei abgelehnt")
ZAV_TEXT(868, UploadStopped,
         "Envoi interrompu",
         "Upload stopped",
         "Invio interrotto",
         "Upload abgebrochen")
ZAV_TEXT(869, PublishedAt,
         "Publié à %s",
         "Published %s",
         "Pubblicato alle %s",
         "Veröffentlicht um %s")
ZAV_TEXT(870, NotPublishedSince,
         "Pas publié depuis %s",
         "Not published since %s",
         "Non pubblicato dalle %s",
         "Nicht veröffentlicht seit %s")
ZAV_TEXT(871, UploadingNow,
         "Envoi des résultats...",
         "Uploading the results...",
         "Invio dei risultati...",
         "Ergebnisse werden hochgeladen...")
ZAV_TEXT(872, ArenasTitle,
         "Résultats par carrière",
         "Results by arena",
         "Risultati per campo",
         "Ergebnisse nach Platz")
ZAV_TEXT(873, ArenaLastPublished,
         "Dernière publication",
         "Last publication",
         "Ultima pubblicazione",
         "Letzte Veröffentlichung")
ZAV_TEXT(874, PublishUploadLabel,
         "Envoyer sur le site (adresse sftp://, ftp://, ftps://, https:// ou s3:// ; vide : pas d'envoi)",
         "Upload to the web site (sftp://, ftp://, ftps://, https:// or s3:// address; empty: no upload)",
         "Invia al sito (indirizzo sftp://, ftp://, ftps://, https:// o s3://; vuoto: nessun invio)",
         "Auf die Website hochladen (Adresse sftp://, ftp://, ftps://, https:// oder s3://; leer: kein Upload)")
ZAV_TEXT(875, PublishArenaLabel,
         "Carrière (son dossier sur le site)",
         "Arena (its folder on the site)",
         "Campo (la sua cartella sul sito)",
         "Platz (sein Ordner auf der Website)")
ZAV_TEXT(876, PublishPasswordLabel,
         "Mot de passe",
         "Password",
         "Password",
         "Passwort")
ZAV_TEXT(877, UploadsWaiting,
         "Des résultats attendent encore d'être envoyés sur le site. Attendre l'envoi, ou le laisser pour le prochain démarrage ?",
         "Results are still waiting to be uploaded to the web site. Wait for the upload, or leave it for the next start?",
         "Alcuni risultati aspettano ancora di essere inviati al sito. Attendere l'invio o lasciarlo al prossimo avvio?",
         "Ergebnisse warten noch auf den Upload zur Website. Auf den Upload warten oder ihn beim nächsten Start erledigen?")
ZAV_TEXT(878, WaitForUpload,
         "Attendre",
         "Wait",
         "Attendere",
         "Warten")
ZAV_TEXT(879, UploadAtNextStart,
         "Au prochain démarrage",
         "At the next start",
         "Al prossimo avvio",
         "Beim nächsten Start")
ZAV_TEXT(880, AskUploadPassword,
         "Mot de passe pour %s",
         "Password for %s",
         "Password per %s",
         "Passwort für %s")
ZAV_TEXT(881, SecretNotKept,
         "Le mot de passe n'a pas pu être gardé dans le trousseau du bureau : il sera demandé une fois à chaque démarrage.",
         "The password could not be kept in the desktop's secret store: it will be asked once at every start.",
         "La password non ha potuto essere conservata nel portachiavi del desktop: sarà chiesta una volta a ogni avvio.",
         "Das Passwort konnte nicht im Schlüsselbund des Desktops gespeichert werden: es wird bei jedem Start einmal abgefragt.")
ZAV_TEXT(882, UploadProgramFault,
         "L'envoi a échoué dans le programme",
         "The upload failed inside the program",
         "L'invio è fallito all'interno del programma",
         "Der Upload ist im Programm fehlgeschlagen")
ZAV_TEXT(883, ArenaEntrySkipped,
         "Entrée d'arène illisible sur le site, laissée hors de l'index : %s",
         "Arena entry on the site that cannot be read, left out of the index: %s",
         "Voce di arena illeggibile sul sito, lasciata fuori dall'indice: %s",
         "Unlesbarer Arena-Eintrag auf der Website, nicht im Index: %s")
ZAV_TEXT(884, NextUploadAttempt,
         "nouvel essai à %s",
         "next try %s",
         "nuovo tentativo alle %s",
         "nächster Versuch um %s")
ZAV_TEXT(885, UploadNoBucket,
         "Ce compartiment (bucket) n'existe pas sur le stockage : vérifiez l'adresse s3:// et le point d'accès",
         "This bucket does not exist on the storage: check the s3:// address and the endpoint",
         "Questo bucket non esiste sullo storage: verificate l'indirizzo s3:// e l'endpoint",
         "Dieser Bucket existiert nicht im Speicher: prüfen Sie die s3://-Adresse und den Endpunkt")
ZAV_TEXT(886, PublishS3EndpointLabel,
         "Point d'accès S3 (adresses s3://, vide : Amazon) :",
         "S3 endpoint (s3:// addresses; empty: Amazon's):",
         "Endpoint S3 (indirizzi s3://; vuoto: Amazon):",
         "S3-Endpunkt (s3://-Adressen; leer: Amazon):")
ZAV_TEXT(887, PublishS3RegionLabel,
         "Région S3 :",
         "S3 region:",
         "Regione S3:",
         "S3-Region:")
ZAV_TEXT(888, AskS3Keys,
         "Clé d'accès du stockage %s, sous la forme IDENTIFIANT:SECRET :",
         "Access key for the storage %s, as KEY-ID:SECRET:",
         "Chiave di accesso dello storage %s, nella forma ID:SEGRETO:",
         "Zugangsschlüssel für den Speicher %s, als SCHLÜSSEL-ID:GEHEIMNIS:")
ZAV_TEXT(804, EntryTitle,
         "Ligne d'arrivée",
         "Finish line",
         "Linea d'arrivo",
         "Ziellinie")
ZAV_TEXT(805, EntryCodeLabel,
         "Code de saisie affiché dans la fenêtre du marqueur",
         "Entry code shown in the scorer's window",
         "Codice di inserimento mostrato nella finestra del segnapunti",
         "Eingabecode im Fenster des Schreibers")
ZAV_TEXT(806, EntryWrongCode,
         "Code erroné.",
         "Wrong code.",
         "Codice errato.",
         "Falscher Code.")
ZAV_TEXT(807, EntryLockedOut,
         "Trop de codes erronés : attendez une minute.",
         "Too many wrong codes: wait a minute.",
         "Troppi codici errati: attendete un minuto.",
         "Zu viele falsche Codes: warten Sie eine Minute.")
ZAV_TEXT(808, EntrySend,
         "Envoyer",
         "Send",
         "Invia",
         "Senden")
ZAV_TEXT(809, EntryNoSheet,
         "Aucune feuille n'est ouverte dans la fenêtre du marqueur.",
         "No sheet is open in the scorer's window.",
         "Nessun foglio è aperto nella finestra del segnapunti.",
         "Im Fenster des Schreibers ist kein Bogen geöffnet.")
ZAV_TEXT(810, EntryReceived,
         "reçu",
         "received",
         "ricevuto",
         "empfangen")
ZAV_TEXT(811, EntryAccepted,
         "accepté",
         "accepted",
         "accettato",
         "angenommen")
ZAV_TEXT(812, EntryRejected,
         "refusé",
         "rejected",
         "rifiutato",
         "abgelehnt")
ZAV_TEXT(851, EntryUndone,
         "repris par le marqueur",
         "taken back by the scorer",
         "ritirato dal segnapunti",
         "vom Schreiber zurückgenommen")
ZAV_TEXT(813, EntryBadGame,
         "Ce jeu n'existe pas sur la feuille.",
         "This game does not exist on the sheet.",
         "Questo gioco non esiste sul foglio.",
         "Dieses Spiel gibt es auf dem Bogen nicht.")
ZAV_TEXT(814, EntryBadPlace,
         "Place ou résultat inconnu pour une équipe.",
         "Unknown place or outcome for a team.",
         "Posizione o risultato sconosciuto per una squadra.",
         "Unbekannter Platz oder unbekanntes Ergebnis für eine Mannschaft.")
ZAV_TEXT(815, EntryBadForm,
         "Formulaire incomplet ou mal formé.",
         "The form is incomplete or malformed.",
         "Modulo incompleto o malformato.",
         "Das Formular ist unvollständig oder fehlerhaft.")
ZAV_TEXT(816, EntryBadToken,
         "Session inconnue ou expirée : tapez de nouveau le code.",
         "Unknown or expired session: type the code again.",
         "Sessione sconosciuta o scaduta: digitate di nuovo il codice.",
         "Unbekannte oder abgelaufene Sitzung: geben Sie den Code erneut ein.")
ZAV_TEXT(817, EntryReplayed,
         "Ce formulaire a déjà été envoyé.",
         "This form was already sent.",
         "Questo modulo è già stato inviato.",
         "Dieses Formular wurde schon gesendet.")
ZAV_TEXT(818, EntryNoResult,
         "Aucune place n'est indiquée.",
         "No place is given.",
         "Nessuna posizione indicata.",
         "Kein Platz angegeben.")
ZAV_TEXT(819, EntrySheetChanged,
         "La feuille ouverte a changé : rechargez la page.",
         "The open sheet has changed: reload the page.",
         "Il foglio aperto è cambiato: ricaricate la pagina.",
         "Der geöffnete Bogen hat sich geändert: laden Sie die Seite neu.")
ZAV_TEXT(820, EntryAnother,
         "Saisir un autre jeu",
         "Enter another game",
         "Inserire un altro gioco",
         "Ein weiteres Spiel eingeben")
ZAV_TEXT(821, EntryNotFound,
         "Page inconnue.",
         "No such page.",
         "Pagina sconosciuta.",
         "Diese Seite gibt es nicht.")
ZAV_TEXT(822, EntryResultStatus,
         "Résultat du jeu %d :",
         "Result of game %d:",
         "Risultato del gioco %d:",
         "Ergebnis von Spiel %d:")
ZAV_TEXT(824, MenuArenaNetwork,
         "Réseau de l'arène...",
         "Arena network...",
         "Rete dell'arena...",
         "Arena-Netzwerk...")
ZAV_TEXT(825, TitleArena,
         "Réseau de l'arène",
         "Arena network",
         "Rete dell'arena",
         "Arena-Netzwerk")
ZAV_TEXT(826, ArenaOnLabel,
         "Servir les résultats aux téléphones du réseau local",
         "Serve the results to the phones of the local network",
         "Servire i risultati ai telefoni della rete locale",
         "Ergebnisse an die Telefone im lokalen Netz liefern")
ZAV_TEXT(827, ArenaPortLabel,
         "Port :",
         "Port:",
         "Porta:",
         "Port:")
ZAV_TEXT(828, ArenaInterfaceLabel,
         "Interface :",
         "Interface:",
         "Interfaccia:",
         "Schnittstelle:")
ZAV_TEXT(829, ArenaAllInterfaces,
         "toutes",
         "all",
         "tutte",
         "alle")
ZAV_TEXT(830, ArenaAcceptAtOnceLabel,
         "Accepter aussitôt les résultats de la ligne d'arrivée sans conflit",
         "Accept finish-line results without conflict at once",
         "Accettare subito i risultati della linea d'arrivo senza conflitto",
         "Ergebnisse von der Ziellinie ohne Konflikt sofort übernehmen")
ZAV_TEXT(831, ArenaAddressLabel,
         "Adresse à ouvrir sur les téléphones : %s",
         "Address to open on the phones: %s",
         "Indirizzo da aprire sui telefoni: %s",
         "Auf den Telefonen zu öffnende Adresse: %s")
ZAV_TEXT(832, ArenaEntryCodeLabel,
         "Code de saisie pour la ligne d'arrivée : %s",
         "Entry code for the finish line: %s",
         "Codice di inserimento per la linea d'arrivo: %s",
         "Eingabecode für die Ziellinie: %s")
ZAV_TEXT(833, ArenaPortFailed,
         "Le réseau de l'arène est arrêté : impossible d'ouvrir le port %s.",
         "The arena network is stopped: cannot open port %s.",
         "La rete dell'arena è ferma: impossibile aprire la porta %s.",
         "Das Arena-Netzwerk ist angehalten: Port %s kann nicht geöffnet werden.")
ZAV_TEXT(834, ArenaStatusWatching,
         "téléphones : %d",
         "phones watching: %d",
         "telefoni collegati: %d",
         "Telefone: %d")
ZAV_TEXT(835, ArenaStatusWaiting,
         "résultats en attente : %d",
         "results waiting: %d",
         "risultati in attesa: %d",
         "wartende Ergebnisse: %d")
ZAV_TEXT(836, ArenaStatusRefused,
         "codes refusés : %d",
         "refused codes: %d",
         "codici rifiutati: %d",
         "abgelehnte Codes: %d")
ZAV_TEXT(837, ArenaWaitingTitle,
         "Résultats en attente",
         "Waiting results",
         "Risultati in attesa",
         "Wartende Ergebnisse")
ZAV_TEXT(838, ArenaFromFinishLine,
         "Jeu %d, de la ligne d'arrivée",
         "Game %d, from the finish line",
         "Gioco %d, dalla linea d'arrivo",
         "Spiel %d, von der Ziellinie")
ZAV_TEXT(839, ArenaAccept,
         "Accepter",
         "Accept",
         "Accetta",
         "Übernehmen")
ZAV_TEXT(840, ArenaEdit,
         "Modifier...",
         "Edit...",
         "Modifica...",
         "Bearbeiten...")
ZAV_TEXT(841, ArenaReject,
         "Refuser",
         "Reject",
         "Rifiuta",
         "Ablehnen")
ZAV_TEXT(842, ArenaConflictResult,
         "conflit : le jeu a déjà un résultat",
         "conflict: the game already has a result",
         "conflitto: il gioco ha già un risultato",
         "Konflikt: das Spiel hat schon ein Ergebnis")
ZAV_TEXT(843, ArenaConflictJudges,
         "conflit : un autre juge a envoyé ce jeu",
         "conflict: another judge sent this game",
         "conflitto: un altro giudice ha inviato questo gioco",
         "Konflikt: ein anderer Richter hat dieses Spiel gesendet")
ZAV_TEXT(844, ArenaOtherSheet,
         "pour une autre feuille : refusez-le",
         "for another sheet: reject it",
         "per un altro foglio: rifiutatelo",
         "für einen anderen Bogen: lehnen Sie es ab")
ZAV_TEXT(845, ArenaNote,
         "Les téléphones lisent les résultats sans code ; envoyer un résultat demande le code de saisie, nouveau à chaque démarrage. Pas de HTTPS : réservé au réseau local de l'événement.",
         "Phones read the results without a code; sending a result needs the entry code, new at each start. No HTTPS: for the event's local network only.",
         "I telefoni leggono i risultati senza codice; inviare un risultato richiede il codice di inserimento, nuovo a ogni avvio. Niente HTTPS: solo per la rete locale dell'evento.",
         "Telefone lesen die Ergebnisse ohne Code; zum Senden eines Ergebnisses braucht es den Eingabecode, neu bei jedem Start. Kein HTTPS: nur für das lokale Netz der Veranstaltung.")
ZAV_TEXT(846, ArenaPortInUse,
         "un autre programme utilise déjà ce port",
         "another program already uses this port",
         "un altro programma usa già questa porta",
         "ein anderes Programm benutzt diesen Port schon")
ZAV_TEXT(847, ArenaPortNotAllowed,
         "le système ne le permet pas : choisissez un port au-dessus de 1024",
         "the system does not allow it: choose a port above 1024",
         "il sistema non lo permette: scegliete una porta sopra 1024",
         "das System erlaubt es nicht: wählen Sie einen Port über 1024")
ZAV_TEXT(848, ArenaAddressNotAvailable,
         "l'adresse %s n'est pas celle d'une interface de cet ordinateur",
         "the address %s is not one of this computer's interfaces",
         "l'indirizzo %s non è di un'interfaccia di questo computer",
         "die Adresse %s gehört zu keiner Schnittstelle dieses Computers")
ZAV_TEXT(849, ArenaWaitingLeft,
         "Résultats de la ligne d'arrivée en attente de votre décision : %d. Ils seront refusés. Continuer ?",
         "Results from the finish line waiting for your decision: %d. They will be rejected. Go on?",
         "Risultati dalla linea d'arrivo in attesa della vostra decisione: %d. Saranno rifiutati. Continuare?",
         "Ergebnisse von der Ziellinie, die auf Ihre Entscheidung warten: %d. Sie werden abgelehnt. Fortfahren?")
ZAV_TEXT(850, ArenaPanelOffline,
         "Réseau arrêté : les téléphones des juges n'apprennent plus votre décision.",
         "Network off: the judges' phones no longer learn your decision.",
         "Rete ferma: i telefoni dei giudici non sapranno la vostra decisione.",
         "Netzwerk aus: die Telefone der Richter erfahren Ihre Entscheidung nicht mehr.")
ZAV_TEXT(852, ArenaPanelKeys,
         "Entrée : accepter · F2 : modifier · Suppr : refuser · F6 : aller à la liste et revenir",
         "Enter: accept · F2: edit · Delete: reject · F6: to the list and back",
         "Invio: accetta · F2: modifica · Canc: rifiuta · F6: alla lista e ritorno",
         "Eingabe: übernehmen · F2: bearbeiten · Entf: ablehnen · F6: zur Liste und zurück")
ZAV_TEXT(853, EntryNameLabel,
         "Votre nom, montré au marqueur (par ex. Juge d'arrivée)",
         "Your name, shown to the scorer (e.g. Finish judge)",
         "Il vostro nome, mostrato al segnapunti (es. Giudice d'arrivo)",
         "Ihr Name, für den Schreiber (z. B. Zielrichter)")
ZAV_TEXT(854, ArenaStatusNewCode,
         "trop de codes faux : nouveau code %s",
         "too many wrong codes: new code %s",
         "troppi codici errati: nuovo codice %s",
         "zu viele falsche Codes: neuer Code %s")
ZAV_TEXT(855, ArenaStatusNoDescriptors,
         "le système refuse des connexions",
         "the system refuses connections",
         "il sistema rifiuta connessioni",
         "das System lehnt Verbindungen ab")
ZAV_TEXT(856, SavedAt,
         "Enregistré à %s",
         "Saved %s",
         "Salvato alle %s",
         "Gespeichert um %s")
ZAV_TEXT(857, SavedAutomaticallyAt,
         "Enregistré automatiquement à %s",
         "Saved automatically %s",
         "Salvato automaticamente alle %s",
         "Automatisch gespeichert um %s")
ZAV_TEXT(858, ArenaStatusFaults,
         "erreurs du programme : %d",
         "program faults: %d",
         "errori del programma: %d",
         "Programmfehler: %d")
ZAV_TEXT(900, CommonTitle,
         "Titre commun",
         "Common title",
         "Titolo comune",
         "Gemeinsamer Titel")
ZAV_TEXT(901, SetGamesNote1,
         "Le nombre de jeux choisi sera mis par défaut sur chaque feuille de match.",
         "The selected games number will be set by default for each score sheet.",
         "Il numero di giochi scelto sarà impostato per ogni foglio di gara.",
         "Die gewählte Anzahl der Spiele wird für jeden Wertungsbogen voreingestellt.")
ZAV_TEXT(902, SetGamesNote2,
         "Il sera ensuite possible de changer cette valeur feuille par feuille.",
         "Then, it will possible to change the value sheet per sheet.",
         "Sarà poi possibile cambiare il valore foglio per foglio.",
         "Danach kann der Wert Bogen für Bogen geändert werden.")
ZAV_TEXT(903, FrenchRules,
         "Règles françaises (points et règle d'élimination)",
         "French rules (points and elimination rule)",
         "Regole francesi (punti e regola di eliminazione)",
         "Französische Regeln (Punkte und Ausscheidungsregel)")
ZAV_TEXT(904, InternationalRules,
         "Règles internationales (points et règle d'élimination)",
         "International rules (points and elimination rule)",
         "Regole internazionali (punti e regola di eliminazione)",
         "Internationale Regeln (Punkte und Ausscheidungsregel)")
ZAV_TEXT(905, OneSheetPerCategory,
         "Une feuille de match sera éditée par catégorie (Open, Junior, Minime...) ",
         "One score sheet will be edited per category (Open, Junior, Minime...) ",
         "Un foglio di gara sarà creato per ogni categoria (Open, Junior, Minime...) ",
         "Ein Wertungsbogen je Kategorie (Open, Junior, Minime...) ")
ZAV_TEXT(906, GroupedCategories,
         "Les catégories seront regroupées sur différentes feuilles de match.",
         "Categories will be grouped on different score sheets.",
         "Le categorie saranno raggruppate su diversi fogli di gara.",
         "Die Kategorien werden auf verschiedenen Wertungsbögen zusammengefasst.")
ZAV_TEXT(907, SheetNumber,
         "Feuille de match n°",
         "Score sheet n°",
         "Foglio di gara n°",
         "Wertungsbogen Nr.")
ZAV_TEXT(908, GroupNote1,
         "Choisissez la ou les équipes à inscrire sur la feuille de match dont le numéro est ci-dessus.",
         "Choose the team(s) to enter on the score sheet whose number is above.",
         "Scegliete la o le squadre da iscrivere sul foglio di gara il cui numero è indicato sopra.",
         "Wählen Sie die Mannschaft(en) für den Wertungsbogen mit der oben stehenden Nummer.")
ZAV_TEXT(909, GroupNote2,
         "Pour choisir plusieurs équipes, appuyez sur CTRL en cliquant sur la ligne de chaque équipe.",
         "To select some teams, press on CTRL when you click on the line of each team.",
         "Per scegliere più squadre, premete CTRL cliccando sulla riga di ogni squadra.",
         "Um mehrere Mannschaften zu wählen, halten Sie STRG gedrückt und klicken Sie auf jede Zeile.")
ZAV_TEXT(910, GroupNote3,
         "Appuyez sur OK quand vous avez choisi TOUTES les équipes de la feuille de match.",
         "Press OK when you have selected ALL the teams for the score sheet.",
         "Premete OK quando avete scelto TUTTE le squadre del foglio di gara.",
         "Drücken Sie OK, wenn Sie ALLE Mannschaften des Wertungsbogens gewählt haben.")
ZAV_TEXT(920, MenuPreviousFromSheets,
         "Scores précédents depuis des feuilles...",
         "Previous scores from sheets...",
         "Punteggi precedenti da fogli...",
         "Vorherige Punkte aus Wertungsbögen...")
ZAV_TEXT(921, MenuChampionshipTable,
         "Classement du championnat...",
         "Championship table...",
         "Classifica del campionato...",
         "Meisterschaftstabelle...")
ZAV_TEXT(922, ChampionshipTitle,
         "Classement du championnat",
         "Championship table",
         "Classifica del campionato",
         "Meisterschaftstabelle")
ZAV_TEXT(923, EarlierSheets,
         "Feuilles de match précédentes",
         "Earlier score sheets",
         "Fogli di gara precedenti",
         "Frühere Wertungsbögen")
ZAV_TEXT(924, AddSheets,
         "Ajouter des feuilles...",
         "Add sheets...",
         "Aggiungi fogli...",
         "Wertungsbögen hinzufügen...")
ZAV_TEXT(925, SheetFilesFilter,
         "Feuilles de match (*.score;*.pscore)|*.score;*.pscore",
         "Score sheets (*.score;*.pscore)|*.score;*.pscore",
         "Fogli di gara (*.score;*.pscore)|*.score;*.pscore",
         "Wertungsbögen (*.score;*.pscore)|*.score;*.pscore")
ZAV_TEXT(926, NoTeamEntry,
         "(aucune)",
         "(none)",
         "(nessuna)",
         "(keine)")
ZAV_TEXT(927, CarryTotalNote,
         "Une feuille : chaque équipe reprend son score total de cette feuille, qui compte déjà ses points précédents.",
         "One sheet: each team carries its total score there, which already holds its previous points.",
         "Un foglio: ogni squadra riporta il suo punteggio totale di quel foglio, che comprende già i punti precedenti.",
         "Ein Wertungsbogen: jede Mannschaft übernimmt ihre Gesamtpunkte daraus, die ihre vorherigen Punkte schon enthalten.")
ZAV_TEXT(928, CarrySumNote,
         "Plusieurs feuilles : chaque équipe reprend la somme de ses scores de manche, pour que rien ne compte deux fois.",
         "Several sheets: each team carries the sum of its heat scores there, so that nothing counts twice.",
         "Più fogli: ogni squadra riporta la somma dei suoi punteggi di manche, perché nulla conti due volte.",
         "Mehrere Wertungsbögen: jede Mannschaft übernimmt die Summe ihrer Laufpunkte, damit nichts doppelt zählt.")
ZAV_TEXT(929, CarriedColumn,
         "Points repris",
         "Points carried",
         "Punti riportati",
         "Übernommene Punkte")
ZAV_TEXT(930, UnmatchedTeams,
         "Sans équipe correspondante (score précédent inchangé) : %s",
         "Without a matching team (previous score kept): %s",
         "Senza squadra corrispondente (punteggio precedente invariato): %s",
         "Ohne zugeordnete Mannschaft (vorherige Punkte bleiben): %s")
ZAV_TEXT(931, SheetNotRead,
         "Feuille non lue : %s",
         "Sheet not read: %s",
         "Foglio non letto: %s",
         "Wertungsbogen nicht gelesen: %s")
ZAV_TEXT(932, ChooseTeamOf,
         "Plusieurs équipes portent ce nom : choisissez la bonne pour %s",
         "Several teams bear this name: choose the right one for %s",
         "Più squadre portano questo nome: scegliete quella giusta per %s",
         "Mehrere Mannschaften tragen diesen Namen: wählen Sie die richtige für %s")
ZAV_TEXT(933, StepPreviousFromSheets,
         "scores précédents depuis des feuilles",
         "previous scores from sheets",
         "punteggi precedenti da fogli",
         "vorherige Punkte aus Wertungsbögen")
ZAV_TEXT(934, RankColumn,
         "Classement",
         "Rank",
         "Posizione",
         "Platz")
ZAV_TEXT(935, NamesNotJoined,
         "Équipes de même nom sur une feuille, non réunies aux autres feuilles : %s",
         "Teams of one name on one sheet, not joined with the other sheets: %s",
         "Squadre con lo stesso nome su un foglio, non unite agli altri fogli: %s",
         "Mannschaften gleichen Namens auf einem Wertungsbogen, nicht mit den anderen zusammengeführt: %s")
ZAV_TEXT(936, ButtonPrint,
         "Imprimer...",
         "Print...",
         "Stampa...",
         "Drucken...")
ZAV_TEXT(937, ButtonExportHtml,
         "Exporter en HTML...",
         "Export in HTML...",
         "Esporta in HTML...",
         "Als HTML exportieren...")
ZAV_TEXT(938, ButtonExportPdf,
         "Exporter en PDF...",
         "Export in PDF...",
         "Esporta in PDF...",
         "Als PDF exportieren...")
ZAV_TEXT(940, CloseButton,
         "Fermer",
         "Close",
         "Chiudi",
         "Schließen")
ZAV_TEXT(941, TitlePreviousFromSheets,
         "Scores précédents depuis des feuilles",
         "Previous scores from sheets",
         "Punteggi precedenti da fogli",
         "Vorherige Punkte aus Wertungsbögen")
ZAV_TEXT(942, NoCategory,
         "Sans catégorie",
         "No category",
         "Senza categoria",
         "Ohne Kategorie")
ZAV_TEXT(943, PhoneRankedByTotal,
         "Classement au score total, manches précédentes comprises ; en petit, cette manche.",
         "Ranked by total score, earlier heats included; in small type, this heat.",
         "Classifica per punteggio totale, manche precedenti comprese; in piccolo, questa manche.",
         "Wertung nach Gesamtpunkten, frühere Läufe eingeschlossen; klein gedruckt, dieser Lauf.")
ZAV_TEXT(944, PhoneHeatLine,
         "Manche : %s pts, place %s",
         "This heat: %s pts, position %s",
         "Questa manche: %s punti, posizione %s",
         "Dieser Lauf: %s Punkte, Platz %s")
ZAV_TEXT(945, PhoneHeatScoreLine,
         "Manche : %s pts",
         "This heat: %s pts",
         "Questa manche: %s punti",
         "Dieser Lauf: %s Punkte")
ZAV_TEXT(946, MenuNextSetSheet,
         "Feuille suivante du jeu",
         "Next sheet of the set",
         "Foglio successivo del set",
         "Nächster Bogen des Satzes")
ZAV_TEXT(947, MenuPreviousSetSheet,
         "Feuille précédente du jeu",
         "Previous sheet of the set",
         "Foglio precedente del set",
         "Vorheriger Bogen des Satzes")
ZAV_TEXT(960, MenuMakeOfficial,
         "Rendre la manche officielle...",
         "Make the heat official...",
         "Rendi ufficiale la manche...",
         "Lauf für offiziell erklären...")
ZAV_TEXT(961, MenuGameHistory,
         "Historique d'un jeu...",
         "Game history...",
         "Cronologia di un gioco...",
         "Verlauf eines Spiels...")
ZAV_TEXT(962, MakeOfficialQuestion,
         "Rendre officiels les résultats et le classement de cette manche ?\nToute modification ultérieure les rendra de nouveau provisoires.",
         "Make this heat's results and ranking official?\nAny later change makes them provisional again.",
         "Rendere ufficiali i risultati e la classifica di questa manche?\nOgni modifica successiva li renderà di nuovo provvisori.",
         "Ergebnisse und Rangliste dieses Laufs für offiziell erklären?\nJede spätere Änderung macht sie wieder vorläufig.")
ZAV_TEXT(963, ChangeOfficialQuestion,
         "Cette manche est officielle depuis %s.\nCette modification la rendra de nouveau provisoire. La faire ?",
         "This heat has been official since %s.\nThis change makes it provisional again. Make the change?",
         "Questa manche è ufficiale dal %s.\nQuesta modifica la renderà di nuovo provvisoria. Procedere?",
         "Dieser Lauf ist seit %s offiziell.\nDiese Änderung macht ihn wieder vorläufig. Ändern?")
ZAV_TEXT(964, Provisional,
         "Provisoire",
         "Provisional",
         "Provvisorio",
         "Vorläufig")
ZAV_TEXT(965, OfficialAt,
         "Officiel %s",
         "Official %s",
         "Ufficiale %s",
         "Offiziell %s")
ZAV_TEXT(966, StepMakeOfficial,
         "manche rendue officielle",
         "heat made official",
         "manche resa ufficiale",
         "Lauf für offiziell erklärt")
ZAV_TEXT(967, AlreadyOfficial,
         "Cette manche est déjà officielle depuis %s.",
         "This heat has already been official since %s.",
         "Questa manche è già ufficiale dal %s.",
         "Dieser Lauf ist bereits seit %s offiziell.")
ZAV_TEXT(968, TitleGameHistory,
         "Historique du jeu",
         "Game history",
         "Cronologia del gioco",
         "Spielverlauf")
ZAV_TEXT(969, HistoryTyped,
         "saisi dans la fenêtre par %s",
         "typed in the window by %s",
         "inserito nella finestra da %s",
         "im Fenster eingegeben von %s")
ZAV_TEXT(970, HistoryFromJudge,
         "envoyé de la ligne d'arrivée par %s",
         "sent from the finish line by %s",
         "inviato dalla linea d'arrivo da %s",
         "von der Ziellinie gesendet von %s")
ZAV_TEXT(971, HistoryPhone,
         "téléphone %s",
         "phone %s",
         "telefono %s",
         "Telefon %s")
ZAV_TEXT(972, HistorySentAt,
         "envoyé à %s",
         "sent at %s",
         "inviato alle %s",
         "gesendet um %s")
ZAV_TEXT(973, HistoryAcceptedBy,
         "accepté par %s",
         "accepted by %s",
         "accettato da %s",
         "angenommen von %s")
ZAV_TEXT(974, HistoryJudgeSent,
         "modifié avant d'être accepté ; le juge avait envoyé : %s",
         "changed before it was accepted; the judge sent: %s",
         "modificato prima di essere accettato; il giudice aveva inviato: %s",
         "vor der Annahme geändert; der Richter sandte: %s")
ZAV_TEXT(975, HistoryUndone,
         "annulation de '%s'",
         "undo of '%s'",
         "annullamento di '%s'",
         "Rückgängig: '%s'")
ZAV_TEXT(976, HistoryRedone,
         "rétablissement de '%s'",
         "redo of '%s'",
         "ripristino di '%s'",
         "Wiederhergestellt: '%s'")
ZAV_TEXT(977, HistoryBy,
         "par %s",
         "by %s",
         "da %s",
         "von %s")
ZAV_TEXT(978, HistoryBefore,
         "avant : %s",
         "before: %s",
         "prima: %s",
         "vorher: %s")
ZAV_TEXT(979, HistoryNoResult,
         "aucun résultat",
         "no result",
         "nessun risultato",
         "kein Ergebnis")
ZAV_TEXT(980, HistoryUnrecorded,
         "%s : origine non enregistrée (saisi avant que la feuille ne garde l'historique)",
         "%s: origin not recorded (entered before the sheet kept its history)",
         "%s: origine non registrata (inserito prima che il foglio tenesse la cronologia)",
         "%s: Herkunft nicht erfasst (eingegeben, bevor der Bogen seinen Verlauf führte)")
ZAV_TEXT(982, HistoryProvisional,
         "manche redevenue provisoire",
         "heat provisional again",
         "manche di nuovo provvisoria",
         "Lauf wieder vorläufig")
ZAV_TEXT(983, HistoryTieBreak,
         "départage : %s",
         "tie-break: %s",
         "spareggio: %s",
         "Stechen: %s")
ZAV_TEXT(984, HistoryNothing,
         "Aucun changement enregistré pour ce jeu.",
         "No change recorded for this game.",
         "Nessuna modifica registrata per questo gioco.",
         "Keine Änderung für dieses Spiel erfasst.")
ZAV_TEXT(985, HistoryOfGame,
         "Historique du jeu %d",
         "History of game %d",
         "Cronologia del gioco %d",
         "Verlauf von Spiel %d")
ZAV_TEXT(986, HistoryOfHeat,
         "Départage et statut de la manche",
         "Tie-break and heat standing",
         "Spareggio e stato della manche",
         "Stechen und Stand des Laufs")
ZAV_TEXT(987, PublishStandingColumn,
         "Statut",
         "Standing",
         "Stato",
         "Stand")
ZAV_TEXT(988, ArenaHeatOfficial,
         "Manche officielle : l'accepter la rendra provisoire",
         "Heat official: accepting makes it provisional",
         "Manche ufficiale: accettarlo la renderà provvisoria",
         "Lauf offiziell: Annehmen macht ihn vorläufig")
ZAV_TEXT(989, HistoryOfThisGame,
         "Historique de ce jeu",
         "This game's history",
         "Cronologia di questo gioco",
         "Verlauf dieses Spiels")
// The arena's screens (board, overlay, announcer), their choices in the
// Arena network dialog, the judges' phones and the results kept on a phone
// out of reach.
ZAV_TEXT(505, ScreenRanking,
         "Classement",
         "Ranking",
         "Classifica",
         "Rangliste")
ZAV_TEXT(506, ScreenAfterGame,
         "après le jeu %d",
         "after game %d",
         "dopo il gioco %d",
         "nach Spiel %d")
ZAV_TEXT(507, ScreenNoResultYet,
         "Pas encore de résultat",
         "No result yet",
         "Ancora nessun risultato",
         "Noch kein Ergebnis")
ZAV_TEXT(508, ScreenEliminated,
         "Éliminé",
         "Eliminated",
         "Eliminato",
         "Ausgeschlossen")
ZAV_TEXT(509, ScreenAbandon,
         "Abandon",
         "Abandon",
         "Ritiro",
         "Aufgabe")
ZAV_TEXT(510, ScreenDefinitiveAbandon,
         "Abandon définitif",
         "Definitive abandon",
         "Ritiro definitivo",
         "Endgültige Aufgabe")
ZAV_TEXT(511, ScreenNowRunning,
         "En piste",
         "Now running",
         "In pista",
         "Läuft jetzt")
ZAV_TEXT(512, ScreenNext,
         "Ensuite",
         "Next",
         "Poi",
         "Danach")
ZAV_TEXT(513, ScreenAllRun,
         "Tous les jeux ont un résultat",
         "Every game has a result",
         "Tutti i giochi hanno un risultato",
         "Alle Spiele haben ein Ergebnis")
ZAV_TEXT(514, ScreenLastResult,
         "Dernier résultat",
         "Last result",
         "Ultimo risultato",
         "Letztes Ergebnis")
ZAV_TEXT(515, ScreenChanges,
         "Ce qui a changé",
         "What changed",
         "Cosa è cambiato",
         "Was sich geändert hat")
ZAV_TEXT(516, ScreenMovedUp,
         "gagne %d place(s)",
         "up %d place(s)",
         "sale di %d posizione/i",
         "steigt um %d Platz/Plätze")
ZAV_TEXT(517, ScreenMovedDown,
         "perd %d place(s)",
         "down %d place(s)",
         "scende di %d posizione/i",
         "fällt um %d Platz/Plätze")
ZAV_TEXT(518, ScreenNoChange,
         "Aucun changement de place",
         "No change of place",
         "Nessun cambio di posizione",
         "Keine Platzänderung")
ZAV_TEXT(519, ScreenLeader,
         "En tête : %s",
         "Leading: %s",
         "In testa: %s",
         "An der Spitze: %s")
ZAV_TEXT(520, ScreenAhead,
         "%s point(s) d'avance",
         "%s point(s) ahead",
         "%s punto/i di vantaggio",
         "%s Punkt(e) Vorsprung")
ZAV_TEXT(521, ScreenGap,
         "Écart",
         "Gap",
         "Distacco",
         "Abstand")
ZAV_TEXT(522, ScreenChallenge,
         "'Challenge'",
         "'Challenge'",
         "'Challenge'",
         "'Challenge'")
ZAV_TEXT(530, ArenaBoardLabel,
         "Grand écran (/board) :",
         "Big screen (/board):",
         "Maxischermo (/board):",
         "Großbildschirm (/board):")
ZAV_TEXT(531, ArenaBoardTurn,
         "Chaque vue à tour de rôle",
         "Each view in turn",
         "Ogni vista a turno",
         "Jede Ansicht im Wechsel")
ZAV_TEXT(532, ArenaBoardSeconds,
         "Secondes par vue :",
         "Seconds per view:",
         "Secondi per vista:",
         "Sekunden je Ansicht:")
ZAV_TEXT(533, ArenaEntriesLabel,
         "Fichier des engagés (cavaliers pour l'annonceur) :",
         "Entries file (riders for the announcer):",
         "File delle iscrizioni (cavalieri per lo speaker):",
         "Nennungsdatei (Reiter für den Sprecher):")
ZAV_TEXT(534, ArenaJudgesTitle,
         "Téléphones des juges",
         "Judges' phones",
         "Telefoni dei giudici",
         "Telefone der Richter")
ZAV_TEXT(535, ArenaJudgeConnected,
         "connecté (%s)",
         "connected (%s)",
         "connesso (%s)",
         "verbunden (%s)")
ZAV_TEXT(536, ArenaJudgeAway,
         "hors de portée, vu à %s",
         "out of reach, last seen %s",
         "non raggiungibile, visto alle %s",
         "nicht erreichbar, zuletzt %s")
ZAV_TEXT(540, EntryNotSent,
         "pas encore envoyé",
         "not sent yet",
         "non ancora inviato",
         "noch nicht gesendet")
ZAV_TEXT(541, EntryKeptOnPhone,
         "Le téléphone n'atteint pas l'ordinateur du marqueur : le résultat est gardé ici et part tout seul dès que le réseau revient.",
         "The phone cannot reach the scorer's computer: the result is kept here and sent by itself as soon as the network is back.",
         "Il telefono non raggiunge il computer del segnapunti: il risultato è conservato qui e parte da solo appena torna la rete.",
         "Das Telefon erreicht den Rechner des Schreibers nicht: Das Ergebnis bleibt hier und wird von selbst gesendet, sobald das Netz zurück ist.")
ZAV_TEXT(542, EntryGameNotSent,
         "Jeu %d : pas encore envoyé",
         "Game %d: not sent yet",
         "Gioco %d: non ancora inviato",
         "Spiel %d: noch nicht gesendet")
// clang-format on
