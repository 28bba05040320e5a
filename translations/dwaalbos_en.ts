<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>DelaySetting</name>
    <message>
        <source>Deze vertraging is nu </source>
        <translation>This delay is now </translation>
    </message>
    <message>
        <source>Vertraging lopen</source>
        <translation>Walking delay</translation>
    </message>
    <message>
        <source>Wat is de vertraging van het lopen in miliseconden?</source>
        <translation>How long should the walking delay be, in milliseconds?</translation>
    </message>
    <message>
        <source>Het maximum is 999 miliseconden</source>
        <translation>The maximum is 999 milliseconds</translation>
    </message>
    <message>
        <source>Vertraging volgpijlen</source>
        <translation>Follow-arrow delay</translation>
    </message>
    <message>
        <source>Wat is de vertraging van de volgpijlen in miliseconden?</source>
        <translation>How long should the follow-arrow delay be, in milliseconds?</translation>
    </message>
    <message>
        <source>Het maximum is 9999 miliseconden</source>
        <translation>The maximum is 9999 milliseconds</translation>
    </message>
</context>
<context>
    <name>Editor</name>
    <message>
        <source>Water</source>
        <translation>Water</translation>
    </message>
    <message>
        <source>Zand</source>
        <translation>Sand</translation>
    </message>
    <message>
        <source>Gras</source>
        <translation>Grass</translation>
    </message>
    <message>
        <source>Grond</source>
        <translation>Earth</translation>
    </message>
    <message>
        <source>Groene tegels</source>
        <translation>Green tiles</translation>
    </message>
    <message>
        <source>Grijze tegels</source>
        <translation>Grey tiles</translation>
    </message>
    <message>
        <source>Niets!</source>
        <translation>Nothing!</translation>
    </message>
    <message>
        <source>&amp;Level</source>
        <translation>&amp;Level</translation>
    </message>
    <message>
        <source>&amp;Nieuw</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>&amp;Openen</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>O&amp;pslaan</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>&amp;Exporten naar plaatje</source>
        <translation>&amp;Export as picture</translation>
    </message>
    <message>
        <source>U&amp;itprinten</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>&amp;Uittesten</source>
        <translation>&amp;Test</translation>
    </message>
    <message>
        <source>&amp;Weg</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>&amp;Verzameling</source>
        <translation>&amp;Collection</translation>
    </message>
    <message>
        <source>&amp;Voeg toe aan verzameling...</source>
        <translation>&amp;Add to a collection...</translation>
    </message>
    <message>
        <source>Verzameling &amp;bewerken...</source>
        <translation>&amp;Edit a collection...</translation>
    </message>
    <message>
        <source>&amp;Opties</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Raster</source>
        <translation>&amp;Grid</translation>
    </message>
    <message>
        <source>&amp;Toon oplossing</source>
        <translation>&amp;Show the solution</translation>
    </message>
    <message>
        <source>Eigenschappen level:</source>
        <translation>Level properties:</translation>
    </message>
    <message>
        <source>Naam level:</source>
        <translation>Level name:</translation>
    </message>
    <message>
        <source>Maker:</source>
        <translation>Maker:</translation>
    </message>
    <message>
        <source>Commentaar:</source>
        <translation>Comment:</translation>
    </message>
    <message>
        <source>Achtergrond:</source>
        <translation>Background:</translation>
    </message>
    <message>
        <source>Dwaalbos verzameling</source>
        <translation>Dwaalbos collection</translation>
    </message>
    <message>
        <source>Dwaalbos Verzameling (*.dws)</source>
        <translation>Dwaalbos collection (*.dws)</translation>
    </message>
    <message>
        <source>Dwaalbos doolhof</source>
        <translation>Dwaalbos maze</translation>
    </message>
    <message>
        <source>Dwaalbos Doolhof (*.dwb)</source>
        <translation>Dwaalbos maze (*.dwb)</translation>
    </message>
    <message>
        <source>Het level is nog niet opgeslagen. Toch een nieuw level beginnen?</source>
        <translation>The level has not been saved yet. Start a new level anyway?</translation>
    </message>
    <message>
        <source>Exporteer plaatje</source>
        <translation>Export picture</translation>
    </message>
    <message>
        <source>&amp;Bewerken</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Ongedaan maken</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>Opnieuw &amp;doen</source>
        <translation>&amp;Redo</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>T&amp;aal</source>
        <translation>&amp;Language</translation>
    </message>
</context>
<context>
    <name>LevelPrintout</name>
    <message>
        <source>Naam level:</source>
        <translation>Level name:</translation>
    </message>
    <message>
        <source>%1  gemaakt door %2 met dwaalbos 6.0</source>
        <translation>%1  made by %2 with Dwaalbos 6.0</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Speel een Dwaalbos level af door het openen van een bestand</source>
        <translation>Play a Dwaalbos level by opening its file</translation>
    </message>
    <message>
        <source>Maak een Dwaalbos level en speel hem met de eerste optie</source>
        <translation>Make a Dwaalbos level and play it with the first option</translation>
    </message>
    <message>
        <source>Voor als je uitleg wilt over een object of info over de maker</source>
        <translation>For an explanation of an object or about the maker</translation>
    </message>
</context>
<context>
    <name>MenuTitle</name>
    <message>
        <source>versie 6.0</source>
        <translation>version 6.0</translation>
    </message>
</context>
<context>
    <name>PlayMenus</name>
    <message>
        <source>&amp;Level</source>
        <translation>&amp;Level</translation>
    </message>
    <message>
        <source>&amp;Start met standaard levels</source>
        <translation>&amp;Start with the standard levels</translation>
    </message>
    <message>
        <source>O&amp;pen zelfgemaakt level</source>
        <translation>&amp;Open a home-made level</translation>
    </message>
    <message>
        <source>Nieuw &amp;doolhof</source>
        <translation>New ma&amp;ze</translation>
    </message>
    <message>
        <source>&amp;Bewaar als level...</source>
        <translation>Save as &amp;level...</translation>
    </message>
    <message>
        <source>&amp;Overnieuw</source>
        <translation>&amp;Restart</translation>
    </message>
    <message>
        <source>&amp;Zet terug</source>
        <translation>&amp;Undo move</translation>
    </message>
    <message>
        <source>Zet op&amp;nieuw</source>
        <translation>Re&amp;do move</translation>
    </message>
    <message>
        <source>&amp;Tip</source>
        <translation>&amp;Tip</translation>
    </message>
    <message>
        <source>&amp;Laat de oplossing zien</source>
        <translation>Sho&amp;w the solution</translation>
    </message>
    <message>
        <source>&amp;Afsluiten naar menu</source>
        <translation>Back to the &amp;menu</translation>
    </message>
    <message>
        <source>&amp;Helemaal afsluiten</source>
        <translation>&amp;Quit the game</translation>
    </message>
    <message>
        <source>&amp;Status</source>
        <translation>&amp;Status</translation>
    </message>
    <message>
        <source>Status &amp;Zev Dizoz</source>
        <translation>Status of &amp;Zev Dizoz</translation>
    </message>
    <message>
        <source>Pijlen:     0</source>
        <translation>Arrows:     0</translation>
    </message>
    <message>
        <source>Status &amp;Rud Dizoz</source>
        <translation>Status of &amp;Rud Dizoz</translation>
    </message>
    <message>
        <source>Sleutels: 0</source>
        <translation>Keys: 0</translation>
    </message>
    <message>
        <source>&amp;Opties</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Rechterkant</source>
        <translation>&amp;Right-hand panel</translation>
    </message>
    <message>
        <source>&amp;Vertraging met lopen</source>
        <translation>&amp;Walking delay</translation>
    </message>
    <message>
        <source>V&amp;olg pijlen met lijnen</source>
        <translation>&amp;Follow arrows with lines</translation>
    </message>
    <message>
        <source>V&amp;ertraging van lijnen</source>
        <translation>L&amp;ine delay</translation>
    </message>
    <message>
        <source>Teken met &amp;Bitblt</source>
        <translation>Draw with &amp;Bitblt</translation>
    </message>
    <message>
        <source>Teken met &amp;Paintpicture</source>
        <translation>Draw with &amp;Paintpicture</translation>
    </message>
    <message>
        <source>&amp;Overvang bij nieuw level</source>
        <translation>&amp;Transition to a new level</translation>
    </message>
    <message>
        <source>Sleutels: %1</source>
        <translation>Keys: %1</translation>
    </message>
</context>
<context>
    <name>RightPanel</name>
    <message>
        <source>Muziekjes</source>
        <translation>Tunes</translation>
    </message>
    <message>
        <source>Gegevens level:</source>
        <translation>Level details:</translation>
    </message>
    <message>
        <source>Naam:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Maker:</source>
        <translation>Maker:</translation>
    </message>
    <message>
        <source>Klik hier voor commentaar</source>
        <translation>Click here for the comment</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>Zetten:</source>
        <translation>Moves:</translation>
    </message>
    <message>
        <source>Opties:</source>
        <translation>Options:</translation>
    </message>
    <message>
        <source>Vertraging bij lopen:</source>
        <translation>Walking delay:</translation>
    </message>
    <message>
        <source>Milliseconden</source>
        <translation>Milliseconds</translation>
    </message>
    <message>
        <source>Volg pijlen met lijnen met een vertraging van</source>
        <translation>Follow arrows with lines with a delay of</translation>
    </message>
    <message>
        <source>Overgang bij nieuw level</source>
        <translation>Transition to a new level</translation>
    </message>
    <message>
        <source>Muziek:</source>
        <translation>Music:</translation>
    </message>
    <message>
        <source>Kies een muziekje:</source>
        <translation>Choose a tune:</translation>
    </message>
    <message>
        <source>Speel</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Sleutels:</source>
        <translation>Keys:</translation>
    </message>
    <message>
        <source>Pijlen:</source>
        <translation>Arrows:</translation>
    </message>
</context>
<context>
    <name>Splash</name>
    <message>
        <source>Klik of druk op een toets om te beginnen</source>
        <translation>Click or press a key to begin</translation>
    </message>
</context>
<context>
    <name>Verdict</name>
    <message>
        <source>Nog bezig…</source>
        <translation>Still working…</translation>
    </message>
    <message>
        <source>Geen begin</source>
        <translation>No start</translation>
    </message>
    <message>
        <source>Geen eind</source>
        <translation>No end</translation>
    </message>
    <message>
        <source>Niet oplosbaar</source>
        <translation>Not solvable</translation>
    </message>
    <message>
        <source>Te groot om na te gaan</source>
        <translation>Too large to check</translation>
    </message>
    <message>
        <source>Oplosbaar in %1 zet</source>
        <translation>Solvable in %1 move</translation>
    </message>
    <message>
        <source>Oplosbaar in %1 zetten</source>
        <translation>Solvable in %1 moves</translation>
    </message>
</context>
<context>
    <name>VolumeChoice</name>
    <message>
        <source>Geluidssterkte</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Muziek</source>
        <translation>Music</translation>
    </message>
    <message>
        <source>Geluid</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>&amp;Geluidssterkte...</source>
        <translation>&amp;Volume...</translation>
    </message>
</context>
<context>
    <name>difficulty</name>
    <message>
        <source>Makkelijk</source>
        <translation>Easy</translation>
    </message>
    <message>
        <source>Gemiddeld</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>Moeilijk</source>
        <translation>Hard</translation>
    </message>
    <message>
        <source>Meester</source>
        <translation>Master</translation>
    </message>
</context>
<context>
    <name>dwaalbos::CollectionDialog</name>
    <message>
        <source>Verzameling bewerken</source>
        <translation>Edit collection</translation>
    </message>
    <message>
        <source>&amp;Titel:</source>
        <translation>&amp;Title:</translation>
    </message>
    <message>
        <source>&amp;Maker:</source>
        <translation>&amp;Maker:</translation>
    </message>
    <message>
        <source>&amp;Beschrijving:</source>
        <translation>&amp;Description:</translation>
    </message>
    <message>
        <source>Le&amp;vels:</source>
        <translation>Le&amp;vels:</translation>
    </message>
    <message>
        <source>Om&amp;hoog</source>
        <translation>Move &amp;up</translation>
    </message>
    <message>
        <source>Om&amp;laag</source>
        <translation>Move do&amp;wn</translation>
    </message>
    <message>
        <source>&amp;Eruit halen</source>
        <translation>&amp;Remove</translation>
    </message>
</context>
<context>
    <name>sound</name>
    <message>
        <source>Ik kan Zd-spc niet initialiseren!</source>
        <translation>I cannot initialise Zd-spc!</translation>
    </message>
    <message>
        <source>Jammer, maar je kan Dwaalbos gelukkig toch nog doen!</source>
        <translation>Too bad, but luckily you can still play Dwaalbos!</translation>
    </message>
    <message>
        <source>Waarschijnlijk ligt het aan je MCI-driver, maar ik weet niet wat je eraan kan doen.</source>
        <translation>Your MCI driver is probably to blame, but I don&apos;t know what you can do about it.</translation>
    </message>
    <message>
        <source>Bestandsfout!</source>
        <translation>File error!</translation>
    </message>
    <message>
        <source> bestaat niet!</source>
        <translation> does not exist!</translation>
    </message>
    <message>
        <source>Er is geen fout opgetreden.</source>
        <translation>No error occurred.</translation>
    </message>
    <message>
        <source>Er is een onbekende fout opgetreden in de geluidsuitvoer.</source>
        <translation>An unknown error occurred in the sound output.</translation>
    </message>
    <message>
        <source>Het geluidsapparaat is al in gebruik.</source>
        <translation>The sound device is already in use.</translation>
    </message>
    <message>
        <source>De geluidsuitvoer is niet geopend.</source>
        <translation>The sound output has not been opened.</translation>
    </message>
    <message>
        <source>Er is geen geluidsapparaat beschikbaar.</source>
        <translation>No sound device is available.</translation>
    </message>
    <message>
        <source>Er is niet genoeg geheugen voor de geluidsuitvoer.</source>
        <translation>There is not enough memory for the sound output.</translation>
    </message>
    <message>
        <source>Er is een ongeldige instelling aan de geluidsuitvoer gegeven.</source>
        <translation>The sound output was given an invalid setting.</translation>
    </message>
    <message>
        <source>Het gevraagde geluidsformaat wordt niet ondersteund.</source>
        <translation>The requested sound format is not supported.</translation>
    </message>
    <message>
        <source>Onbekende fout %1 in de geluidsuitvoer.</source>
        <translation>Unknown error %1 in the sound output.</translation>
    </message>
</context>
<context>
    <name>standaardlevels</name>
    <message>
        <source>De eerste tocht</source>
        <translation>The first trek</translation>
    </message>
    <message>
        <source>Drieëntwintig levels om het bos te leren kennen:<byte value="xd"/>
elk nieuw ding krijgt zijn eigen level, daarna komt alles samen.</source>
        <translation>Twenty-three levels to get to know the forest:<byte value="xd"/>
every new thing gets a level of its own, then everything comes together.</translation>
    </message>
    <message>
        <source>De eerste stap</source>
        <translation>The first step</translation>
    </message>
    <message>
        <source>Loop met de pijltjestoetsen naar het uitgangsvak.<byte value="xd"/>
Niet elk pad in het bos loopt door.</source>
        <translation>Walk to the exit square with the arrow keys.<byte value="xd"/>
Not every path in the forest leads somewhere.</translation>
    </message>
    <message>
        <source>Sleutelbos</source>
        <translation>Key forest</translation>
    </message>
    <message>
        <source>Een sleutel opent een sleutelblok, maar elke sleutel maar één keer.<byte value="xd"/>
Kijk eerst waar je de meeste sleutels vindt.</source>
        <translation>A key opens a lock block, but each key only once.<byte value="xd"/>
First look where you find the most keys.</translation>
    </message>
    <message>
        <source>Rood en blauw</source>
        <translation>Red and blue</translation>
    </message>
    <message>
        <source>Sta op de schakelaar en druk op de spatiebalk:<byte value="xd"/>
alle rode en blauwe poorten wisselen tegelijk.</source>
        <translation>Stand on the switch and press the space bar:<byte value="xd"/>
all red and blue gates change at once.</translation>
    </message>
    <message>
        <source>Duwen</source>
        <translation>Pushing</translation>
    </message>
    <message>
        <source>Loop tegen een duwblok aan en het schuift een vak op.<byte value="xd"/>
Duw het niet vast voor de uitgang!</source>
        <translation>Walk into a push block and it slides one square on.<byte value="xd"/>
Do not push it stuck in front of the exit!</translation>
    </message>
    <message>
        <source>Treintje</source>
        <translation>Little train</translation>
    </message>
    <message>
        <source>Blokken op een rij schuiven samen op,<byte value="xd"/>
maar alleen als er achteraan nog plaats is.</source>
        <translation>Blocks in a row slide along together,<byte value="xd"/>
but only if there is room at the far end.</translation>
    </message>
    <message>
        <source>Pijlen</source>
        <translation>Arrows</translation>
    </message>
    <message>
        <source>Een pijl neemt je mee tot het eerste vak zonder pijl.<byte value="xd"/>
Ligt daar een muur, dan ga je nergens heen.</source>
        <translation>An arrow carries you along to the first square without an arrow.<byte value="xd"/>
If a wall lies there, you go nowhere.</translation>
    </message>
    <message>
        <source>Kruispunt</source>
        <translation>Crossroads</translation>
    </message>
    <message>
        <source>Over een kruispijl glij je rechtdoor, welke kant je ook op gaat.<byte value="xd"/>
Zoek de stapstenen.</source>
        <translation>On a cross arrow you slide straight on, whichever way you go.<byte value="xd"/>
Look for the stepping stones.</translation>
    </message>
    <message>
        <source>Rondje</source>
        <translation>Round and round</translation>
    </message>
    <message>
        <source>Pijlen die in een kring lopen, laten je er niet op.<byte value="xd"/>
Er is vast een andere ingang.</source>
        <translation>Arrows that run in a ring will not let you on.<byte value="xd"/>
There must be another way in.</translation>
    </message>
    <message>
        <source>Met de stroom mee</source>
        <translation>Going with the flow</translation>
    </message>
    <message>
        <source>Ook duwblokken rijden mee op de pijlen.</source>
        <translation>Push blocks ride along the arrows too.</translation>
    </message>
    <message>
        <source>Terugslag</source>
        <translation>Backlash</translation>
    </message>
    <message>
        <source>Waar komt dat blok terecht als het zijn rondje heeft gemaakt?<byte value="xd"/>
Denk na voordat je duwt.</source>
        <translation>Where does that block end up once it has made its round?<byte value="xd"/>
Think before you push.</translation>
    </message>
    <message>
        <source>Lift</source>
        <translation>Lift</translation>
    </message>
    <message>
        <source>Een rit die op een gesloten poort uitkomt, begint niet eens.<byte value="xd"/>
Vergeet niets voordat je instapt.</source>
        <translation>A ride that ends at a closed gate does not even start.<byte value="xd"/>
Forget nothing before you get on.</translation>
    </message>
    <message>
        <source>Enkele reis</source>
        <translation>One way</translation>
    </message>
    <message>
        <source>Sommige ritten zijn enkele reis.<byte value="xd"/>
Neem mee wat je onderweg nodig hebt.</source>
        <translation>Some rides are one way only.<byte value="xd"/>
Take along what you need on the way.</translation>
    </message>
    <message>
        <source>Opruimen</source>
        <translation>Tidying up</translation>
    </message>
    <message>
        <source>Het pakhuis staat vol blokken.<byte value="xd"/>
Een sleutel of sleutelblok houdt een blok net zo goed tegen als een muur.</source>
        <translation>The warehouse is full of blocks.<byte value="xd"/>
A key or a lock block stops a block just as well as a wall does.</translation>
    </message>
    <message>
        <source>Draaikolk</source>
        <translation>Whirlpool</translation>
    </message>
    <message>
        <source>Vier kruispijlen, vier ingangen.<byte value="xd"/>
De rest van de kolk draait eindeloos rond.</source>
        <translation>Four cross arrows, four ways in.<byte value="xd"/>
The rest of the whirlpool spins round forever.</translation>
    </message>
    <message>
        <source>Poortwachter</source>
        <translation>Gatekeeper</translation>
    </message>
    <message>
        <source>Geen blok komt door een poort, ook niet als die openstaat.<byte value="xd"/>
Jij wel, als de kleur klopt.</source>
        <translation>No block gets through a gate, not even an open one.<byte value="xd"/>
You do, if the colour is right.</translation>
    </message>
    <message>
        <source>Vrachtvervoer</source>
        <translation>Freight</translation>
    </message>
    <message>
        <source>Laat de pijlen het zware werk doen.<byte value="xd"/>
Maar let op waar ze de vracht neerzetten.</source>
        <translation>Let the arrows do the heavy work.<byte value="xd"/>
But watch where they drop the load.</translation>
    </message>
    <message>
        <source>Valkuil</source>
        <translation>Pitfall</translation>
    </message>
    <message>
        <source>Niet elke duw is veilig.<byte value="xd"/>
Volg met je ogen de pijlen voordat je een blok de kring in stuurt.</source>
        <translation>Not every push is safe.<byte value="xd"/>
Follow the arrows with your eyes before you send a block into the ring.</translation>
    </message>
    <message>
        <source>De grote tocht</source>
        <translation>The great trek</translation>
    </message>
    <message>
        <source>Vier stukken bos, elk met een eigen raadsel.<byte value="xd"/>
Wat je in het eerste laat liggen, mis je in het laatste.</source>
        <translation>Four pieces of forest, each with a puzzle of its own.<byte value="xd"/>
What you leave behind in the first, you will miss in the last.</translation>
    </message>
    <message>
        <source>Kettingbotsing</source>
        <translation>Pile-up</translation>
    </message>
    <message>
        <source>Een blok dat over de pijlen rijdt, duwt alles voor zich uit,<byte value="xd"/>
ook de blokken aan de overkant.</source>
        <translation>A block riding the arrows pushes everything ahead of it,<byte value="xd"/>
the blocks on the far side too.</translation>
    </message>
    <message>
        <source>Stormram</source>
        <translation>Battering ram</translation>
    </message>
    <message>
        <source>Eindigt een rit tegen een blok, dan krijgt dat blok een flinke duw.<byte value="xd"/>
Gebruik de pijlen om blokken te raken waar je zelf niet bij kunt.</source>
        <translation>When a ride ends against a block, that block gets a good push.<byte value="xd"/>
Use the arrows to hit blocks you cannot reach yourself.</translation>
    </message>
    <message>
        <source>Sluizen</source>
        <translation>Locks</translation>
    </message>
    <message>
        <source>Een sluisdeur gaat pas open als de deur achter je dicht is.</source>
        <translation>A lock gate only opens once the gate behind you is shut.</translation>
    </message>
    <message>
        <source>Schakelbos</source>
        <translation>Switch forest</translation>
    </message>
    <message>
        <source>Twee schakelaars, één rode poort en een lange weg.<byte value="xd"/>
Schakel op het goede moment, anders loop je alles dubbel.</source>
        <translation>Two switches, one red gate and a long way.<byte value="xd"/>
Switch at the right moment, or you will walk everything twice.</translation>
    </message>
    <message>
        <source>Eindexamen</source>
        <translation>Final exam</translation>
    </message>
    <message>
        <source>Alles wat je in dit bos hebt geleerd, komt hier samen.<byte value="xd"/>
Succes!</source>
        <translation>Everything you have learned in this forest comes together here.<byte value="xd"/>
Good luck!</translation>
    </message>
    <message>
        <source>Dieper het bos in</source>
        <translation>Deeper into the forest</translation>
    </message>
    <message>
        <source>Twintig levels voor wie de eerste set heeft uitgespeeld.<byte value="xd"/>
Hier moet je bij elk level echt nadenken; de laatste zijn pittig.</source>
        <translation>Twenty levels for those who have finished the first set.<byte value="xd"/>
Every level here makes you really think; the last ones are tough.</translation>
    </message>
    <message>
        <source>Kolkenpaar</source>
        <translation>Twin whirlpools</translation>
    </message>
    <message>
        <source>Twee halve kolken draaien om elkaar heen.<byte value="xd"/>
Alleen over de kruispijlen kom je erdoorheen.</source>
        <translation>Two half whirlpools spin around each other.<byte value="xd"/>
Only the cross arrows get you through.</translation>
    </message>
    <message>
        <source>Draaikolken</source>
        <translation>Whirlpools</translation>
    </message>
    <message>
        <source>Vier kolken met sleutels in het midden.<byte value="xd"/>
De kruispijlen zijn de enige deuren in en uit.</source>
        <translation>Four whirlpools with keys in the middle.<byte value="xd"/>
The cross arrows are the only doors in and out.</translation>
    </message>
    <message>
        <source>Sluizenrij</source>
        <translation>Row of locks</translation>
    </message>
    <message>
        <source>Drie sluizen, elk met een schakelaar tussen twee poorten.<byte value="xd"/>
Welke kleur heb je nodig als je aan de overkant bent?</source>
        <translation>Three locks, each with a switch between two gates.<byte value="xd"/>
Which colour do you need once you are on the other side?</translation>
    </message>
    <message>
        <source>Sleutelijs</source>
        <translation>Key ice</translation>
    </message>
    <message>
        <source>Je glijdt door tot een steen, een sleutel of een slot.<byte value="xd"/>
Een slot zonder sleutel laat je niet eens vertrekken.</source>
        <translation>You slide on until a stone, a key or a lock.<byte value="xd"/>
A lock without a key will not even let you set off.</translation>
    </message>
    <message>
        <source>Wachtposten</source>
        <translation>Sentry posts</translation>
    </message>
    <message>
        <source>Blokken voor de poorten, schakelaars in de hoeken.<byte value="xd"/>
Wie een blok de verkeerde kant op duwt, kan opnieuw beginnen.</source>
        <translation>Blocks in front of the gates, switches in the corners.<byte value="xd"/>
Push a block the wrong way and you can start again.</translation>
    </message>
    <message>
        <source>Spiegelblokken</source>
        <translation>Mirror blocks</translation>
    </message>
    <message>
        <source>Links en rechts zijn elkaars spiegelbeeld, maar de uitgang ligt maar aan één kant.<byte value="xd"/>
Welke blokken moeten echt opzij?</source>
        <translation>Left and right mirror each other, but the exit lies on one side only.<byte value="xd"/>
Which blocks really have to move aside?</translation>
    </message>
    <message>
        <source>IJspaleis</source>
        <translation>Ice palace</translation>
    </message>
    <message>
        <source>Hier zijn poorten en schakelaars de stapstenen, en ook een blok glijdt over het ijs.<byte value="xd"/>
Is de poort aan het eind van je glijbaan dicht, dan blijf je gewoon staan.</source>
        <translation>Here gates and switches are the stepping stones, and a block slides over the ice too.<byte value="xd"/>
If the gate at the end of your slide is shut, you simply stay where you are.</translation>
    </message>
    <message>
        <source>Landingsbaan</source>
        <translation>Runway</translation>
    </message>
    <message>
        <source>Een pijl die op een poort uitkomt, werkt alleen als die poort openstaat.<byte value="xd"/>
Twee schakelaars bepalen waar je kunt landen; een blok op de baan houdt je tegen.</source>
        <translation>An arrow that ends at a gate only works when that gate is open.<byte value="xd"/>
Two switches decide where you can land; a block on the runway stops you.</translation>
    </message>
    <message>
        <source>Poortendoolhof</source>
        <translation>Maze of gates</translation>
    </message>
    <message>
        <source>Twee schakelaars, rode en blauwe poorten en een doolhof.<byte value="xd"/>
Bij elke schakelaar ziet de weg er anders uit.</source>
        <translation>Two switches, red and blue gates and a maze.<byte value="xd"/>
At every switch the way looks different.</translation>
    </message>
    <message>
        <source>Wildernis</source>
        <translation>Wilderness</translation>
    </message>
    <message>
        <source>Een wild stuk bos met van alles door elkaar.<byte value="xd"/>
Haal de sleutels op, zet de poorten goed en ruim de blokken op.</source>
        <translation>A wild piece of forest with everything mixed up.<byte value="xd"/>
Fetch the keys, set the gates right and clear away the blocks.</translation>
    </message>
    <message>
        <source>Sleuteldoolhof</source>
        <translation>Key maze</translation>
    </message>
    <message>
        <source>Zes sleutels en zes sloten, verspreid door een doolhof.<byte value="xd"/>
In welke volgorde haal je ze op, en welk blok duw je waarheen?</source>
        <translation>Six keys and six locks, spread through a maze.<byte value="xd"/>
In which order do you fetch them, and which block do you push where?</translation>
    </message>
    <message>
        <source>Sluizendoolhof</source>
        <translation>Maze of locks</translation>
    </message>
    <message>
        <source>Twee schakelaars, twee sleutels en een doolhof vol poorten.<byte value="xd"/>
Duw de blokken opzij; een verkeerde kleur op het verkeerde moment kost je een lange omweg.</source>
        <translation>Two switches, two keys and a maze full of gates.<byte value="xd"/>
Push the blocks aside; the wrong colour at the wrong moment costs you a long detour.</translation>
    </message>
    <message>
        <source>Het lange pad</source>
        <translation>The long path</translation>
    </message>
    <message>
        <source>Een lange tocht door het bos.<byte value="xd"/>
Neem je tijd: elke schakelaar, elke sleutel en elk blok telt.</source>
        <translation>A long trek through the forest.<byte value="xd"/>
Take your time: every switch, every key and every block counts.</translation>
    </message>
    <message>
        <source>Spiegelpaleis</source>
        <translation>Mirror palace</translation>
    </message>
    <message>
        <source>Links en rechts zijn elkaars spiegelbeeld, de weg door het paleis is dat niet.<byte value="xd"/>
De twee schakelaars in het midden bepalen welke poorten openstaan.</source>
        <translation>Left and right mirror each other; the way through the palace does not.<byte value="xd"/>
The two switches in the middle decide which gates are open.</translation>
    </message>
    <message>
        <source>Botsautootjes</source>
        <translation>Bumper cars</translation>
    </message>
    <message>
        <source>Rij met de pijlen tegen een blok en het schiet weg.<byte value="xd"/>
Maar een blok dat vastzit, houdt ook jouw rit tegen.</source>
        <translation>Ride the arrows into a block and it shoots away.<byte value="xd"/>
But a block that is stuck stops your ride as well.</translation>
    </message>
    <message>
        <source>Dubbelspoor</source>
        <translation>Double track</translation>
    </message>
    <message>
        <source>Twee rondritten van pijlen, twee blokken en een handvol poorten.<byte value="xd"/>
Niet elke rit brengt je waar je wilt zijn.</source>
        <translation>Two round trips of arrows, two blocks and a handful of gates.<byte value="xd"/>
Not every ride takes you where you want to be.</translation>
    </message>
    <message>
        <source>Retourtje</source>
        <translation>Return ticket</translation>
    </message>
    <message>
        <source>Vier stukken bos, verbonden door pijlen die maar één kant op gaan.<byte value="xd"/>
Er zijn genoeg sleutels, maar ook genoeg sloten: verspil er geen.</source>
        <translation>Four pieces of forest, joined by arrows that go one way only.<byte value="xd"/>
There are keys enough, but locks enough too: waste none.</translation>
    </message>
    <message>
        <source>Spiegelsloten</source>
        <translation>Mirror locks</translation>
    </message>
    <message>
        <source>Zeventien sloten en maar drie sleutels.<byte value="xd"/>
Het bos is gespiegeld langs de diagonaal, de kortste weg niet.</source>
        <translation>Seventeen locks and only three keys.<byte value="xd"/>
The forest is mirrored along the diagonal; the shortest way is not.</translation>
    </message>
    <message>
        <source>Allegaartje</source>
        <translation>Hotchpotch</translation>
    </message>
    <message>
        <source>Van alles wat: poorten, pijlen, een sleutel en blokken.<byte value="xd"/>
Alles hangt met alles samen.</source>
        <translation>A bit of everything: gates, arrows, a key and blocks.<byte value="xd"/>
Everything hangs together.</translation>
    </message>
    <message>
        <source>Vier kuilen</source>
        <translation>Four pits</translation>
    </message>
    <message>
        <source>Vier kringetjes van pijlen liggen op de loer.<byte value="xd"/>
Duw er een blok in en het komt terug, soms precies waar jij staat.</source>
        <translation>Four little rings of arrows lie in wait.<byte value="xd"/>
Push a block in and it comes back, sometimes right where you stand.</translation>
    </message>
</context>
<context>
    <name>texts</name>
    <message>
        <source>Oneindig</source>
        <translation>Endless</translation>
    </message>
    <message>
        <source>Als je dit zou doen, zou je in een cirkel terecht komen waardoor je er geen eind aan komt. Daarom kan dit niet.</source>
        <translation>If you did this, you would end up going round in a circle that never ends. That is why you cannot do it.</translation>
    </message>
    <message>
        <source>Zelfmoord</source>
        <translation>Suicide</translation>
    </message>
    <message>
        <source>Je hebt een orginele manier van zelfmoord gedaan: Je zelf dood duwen!<byte value="xd"/>
Wil je overnieuw beginnen?</source>
        <translation>You found an original way to end it all: pushing yourself to death!<byte value="xd"/>
Do you want to start again?</translation>
    </message>
    <message>
        <source>Klaar!</source>
        <translation>Done!</translation>
    </message>
    <message>
        <source>Je hebt het level gehaald!</source>
        <translation>You completed the level!</translation>
    </message>
    <message>
        <source>Volgende?</source>
        <translation>Next?</translation>
    </message>
    <message>
        <source>Je hebt dit level voor het eerst gehaald, gefeliciteerd!<byte value="xd"/>
Wil je gelijk het volgende level doen?</source>
        <translation>You completed this level for the first time, congratulations!<byte value="xd"/>
Do you want to play the next level right away?</translation>
    </message>
    <message>
        <source>Je hebt het level gehaald!<byte value="xd"/>
Volgende?</source>
        <translation>You completed the level!<byte value="xd"/>
Next?</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Het volgende level is open tot je het spel afsluit.</source>
        <translation><byte value="xd"/>
The next level stays open until you close the game.</translation>
    </message>
    <message>
        <source>Dwaalbos</source>
        <translation>Dwaalbos</translation>
    </message>
    <message>
        <source>Je hebt alle levels gehaald!<byte value="xd"/>
Hartstikke goed!<byte value="xd"/>
Perfect!<byte value="xd"/>
Wil je naar de geheime pagina gaan op </source>
        <translation>You completed all the levels!<byte value="xd"/>
Well done!<byte value="xd"/>
Perfect!<byte value="xd"/>
Do you want to go to the secret page at </translation>
    </message>
    <message>
        <source>Je hebt alle levels van de tweede levelset uitgespeeld!<byte value="xd"/>
Dat is ongelooflijk knap!<byte value="xd"/>
Echt waar!<byte value="xd"/>
Wil je Wubbe Kranen, de maker van het spel en de man die denkt dat bijna niemand deze tweede levelset kan uitspelen, e-mailen om het te bewijzen?</source>
        <translation>You finished every level of the second level set!<byte value="xd"/>
That is incredibly clever!<byte value="xd"/>
Really!<byte value="xd"/>
Do you want to e-mail Wubbe Kranen, the maker of the game and the man who thinks hardly anyone can finish this second level set, to prove it?</translation>
    </message>
    <message>
        <source>mailto:?Subject=Dwaalbos&amp;body=Ikheb%20de%20tweede%20levelset%20van%20Dwaalbos%20uitgespeeld%2C%20dat%20had%20je%20niet%20verwacht%20he%3F</source>
        <translation>mailto:?Subject=Dwaalbos&amp;body=I%20finished%20the%20second%20level%20set%20of%20Dwaalbos%2C%20you%20did%20not%20expect%20that%2C%20did%20you%3F</translation>
    </message>
    <message>
        <source>Klik op het speelvak om verder te gaan</source>
        <translation>Click the board to go on</translation>
    </message>
    <message>
        <source>Gehaald in %1</source>
        <translation>Completed in %1</translation>
    </message>
    <message>
        <source>Kortst mogelijk: %1</source>
        <translation>Shortest possible: %1</translation>
    </message>
    <message>
        <source>Perfect!</source>
        <translation>Perfect!</translation>
    </message>
    <message>
        <source>Het kan nog %1 korter</source>
        <translation>It can be done %1 shorter</translation>
    </message>
    <message>
        <source>Nieuw record!</source>
        <translation>New record!</translation>
    </message>
    <message>
        <source>Bevestiging</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>Zeker weten?</source>
        <translation>Are you sure?</translation>
    </message>
    <message>
        <source>Het level is nog niet opgeslagen. Toch weggaan?</source>
        <translation>The level has not been saved yet. Leave anyway?</translation>
    </message>
    <message>
        <source>Dwaalbos 6.0</source>
        <translation>Dwaalbos 6.0</translation>
    </message>
    <message>
        <source>Dwaalbos 6.0: </source>
        <translation>Dwaalbos 6.0: </translation>
    </message>
    <message>
        <source>Dwaalbos 6.0: Menu</source>
        <translation>Dwaalbos 6.0: Menu</translation>
    </message>
    <message>
        <source>Dwaalbos 6.0 level editor</source>
        <translation>Dwaalbos 6.0 level editor</translation>
    </message>
    <message>
        <source> - testlevel gehaald</source>
        <translation> - test level completed</translation>
    </message>
    <message>
        <source>Kies een level</source>
        <translation>Choose a level</translation>
    </message>
    <message>
        <source>Opslaan mislukt</source>
        <translation>Saving failed</translation>
    </message>
    <message>
        <source>Bestand onleesbaar</source>
        <translation>File unreadable</translation>
    </message>
    <message>
        <source>Het bestand &quot;</source>
        <translation>The file &quot;</translation>
    </message>
    <message>
        <source> kon niet worden opgeslagen.<byte value="xd"/>
Reden: </source>
        <translation> could not be saved.<byte value="xd"/>
Reason: </translation>
    </message>
    <message>
        <source>het plaatje kon niet als bitmap worden gemaakt</source>
        <translation>the picture could not be made into a bitmap</translation>
    </message>
    <message>
        <source> kon niet worden gelezen.<byte value="xd"/>
</source>
        <translation> could not be read.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Het is geen geldig Dwaalbos-level.</source>
        <translation>It is not a valid Dwaalbos level.</translation>
    </message>
    <message>
        <source>Het bestaat niet.</source>
        <translation>It does not exist.</translation>
    </message>
    <message>
        <source> ontbreekt.</source>
        <translation> is missing.</translation>
    </message>
    <message>
        <source> is beschadigd.</source>
        <translation> is damaged.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Er zijn </source>
        <translation><byte value="xd"/>
There are </translation>
    </message>
    <message>
        <source> van de </source>
        <translation> of the </translation>
    </message>
    <message>
        <source> levels te spelen.</source>
        <translation> levels to play.</translation>
    </message>
    <message>
        <source>Het is geen Dwaalbos-verzameling.</source>
        <translation>It is not a Dwaalbos collection.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Level %1 is afgebroken.</source>
        <translation><byte value="xd"/>
Level %1 is cut short.</translation>
    </message>
    <message>
        <source>een verzameling heeft hoogstens 999 levels</source>
        <translation>a collection holds at most 999 levels</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Een verzameling heeft hoogstens 999 levels.</source>
        <translation><byte value="xd"/>
A collection holds at most 999 levels.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Er is geen level te spelen.</source>
        <translation><byte value="xd"/>
There is no level to play.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Er is 1 level te spelen.</source>
        <translation><byte value="xd"/>
There is 1 level to play.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Er zijn %1 levels te spelen.</source>
        <translation><byte value="xd"/>
There are %1 levels to play.</translation>
    </message>
    <message>
        <source>Mijn levels</source>
        <translation>My levels</translation>
    </message>
    <message>
        <source>De map &quot;</source>
        <translation>The folder &quot;</translation>
    </message>
    <message>
        <source>&quot; heeft meer dan 999 levels; alleen de eerste 999 staan in &quot;Mijn levels&quot;.</source>
        <translation>&quot; has more than 999 levels; only the first 999 are in &quot;My levels&quot;.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
De opties gelden tot je het spel afsluit.</source>
        <translation><byte value="xd"/>
The options hold until you close the game.</translation>
    </message>
    <message>
        <source>Bestand ingekort</source>
        <translation>File shortened</translation>
    </message>
    <message>
        <source> was langer dan zo&apos;n bestand kan zijn.<byte value="xd"/>
De </source>
        <translation> was longer than such a file can be.<byte value="xd"/>
The </translation>
    </message>
    <message>
        <source> bytes aan het eind zijn weggelaten.</source>
        <translation> bytes at the end were left out.</translation>
    </message>
    <message>
        <source>Onbekende fout</source>
        <translation>Unknown error</translation>
    </message>
    <message>
        <source>Er is geen ruimte meer op de schijf</source>
        <translation>There is no space left on the disk</translation>
    </message>
    <message>
        <source>Je hebt er geen toestemming voor</source>
        <translation>You do not have permission</translation>
    </message>
    <message>
        <source>Het bestandssysteem is alleen-lezen</source>
        <translation>The file system is read-only</translation>
    </message>
    <message>
        <source>Het bestand of de map bestaat niet</source>
        <translation>The file or folder does not exist</translation>
    </message>
    <message>
        <source>Te veel links</source>
        <translation>Too many links</translation>
    </message>
    <message>
        <source>Een ander Dwaalbos-spel is er al langer dan een seconde mee bezig</source>
        <translation>Another Dwaalbos game has been busy with it for more than a second</translation>
    </message>
    <message>
        <source><byte value="xd"/>
De oplossingen erin worden niet gebruikt; bij je volgende record wordt het opnieuw geschreven.</source>
        <translation><byte value="xd"/>
The solutions in it are not used; it is written anew at your next record.</translation>
    </message>
    <message>
        <source>Level openen</source>
        <translation>Open level</translation>
    </message>
    <message>
        <source>Dit bestand is geen Dwaalbos level of kan niet gelezen worden:<byte value="xd"/>
</source>
        <translation>This file is not a Dwaalbos level or cannot be read:<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Testen</source>
        <translation>Testing</translation>
    </message>
    <message>
        <source>Het testlevel kan niet worden gelezen.</source>
        <translation>The test level cannot be read.</translation>
    </message>
    <message>
        <source>Commentaar van de maker</source>
        <translation>The maker&apos;s comment</translation>
    </message>
    <message>
        <source>Kies een standaard level met Ctrl+S
of open een eigen level met Ctrl+E.

Beide staan ook in het menu &quot;Level&quot;.</source>
        <translation>Choose a standard level with Ctrl+S
or open a level of your own with Ctrl+E.

Both are also in the &quot;Level&quot; menu.</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>De oplossing: druk op een toets om te stoppen</source>
        <translation>The solution: press a key to stop</translation>
    </message>
    <message>
        <source>Bekijk je beste oplossing</source>
        <translation>Watch your best solution</translation>
    </message>
    <message>
        <source>Hier kan ik zo snel geen tip vinden.</source>
        <translation>I cannot find a hint here that quickly.</translation>
    </message>
    <message>
        <source>Vanaf hier kun je dit level niet meer halen.<byte value="xd"/>
</source>
        <translation>From here you can no longer complete this level.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Wil je terug naar waar het nog kon?</source>
        <translation>Do you want to go back to where it was still possible?</translation>
    </message>
    <message>
        <source>Wil je overnieuw beginnen?</source>
        <translation>Do you want to start again?</translation>
    </message>
    <message>
        <source>Oplossing</source>
        <translation>Solution</translation>
    </message>
    <message>
        <source>Wil je de oplossing zien? Je gaat daarna verder waar je was.</source>
        <translation>Do you want to see the solution? Afterwards you carry on where you were.</translation>
    </message>
    <message>
        <source>Even denken...</source>
        <translation>Thinking...</translation>
    </message>
    <message>
        <source>Stoppen</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Jouw beste: %1 — kortst mogelijk: %2 zetten</source>
        <translation>Your best: %1 — shortest possible: %2 moves</translation>
    </message>
    <message>
        <source>%1 zetten</source>
        <translation>%1 moves</translation>
    </message>
    <message>
        <source>%1 zet</source>
        <translation>%1 move</translation>
    </message>
    <message>
        <source>nog niet gehaald</source>
        <translation>not completed yet</translation>
    </message>
    <message>
        <source>Effe wachten</source>
        <translation>Hold on</translation>
    </message>
    <message>
        <source>Dit object is nog niet klaar om komt in de volgende versie pas.</source>
        <translation>This object is not ready yet and only comes in the next version.</translation>
    </message>
    <message>
        <source>Er is al een begin</source>
        <translation>There is already a start</translation>
    </message>
    <message>
        <source>Er bestaat al een begin!</source>
        <translation>There already is a start!</translation>
    </message>
    <message>
        <source>Uitprinten</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Er is geen printer gevonden. Stel eerst een printer in en probeer het dan opnieuw.</source>
        <translation>No printer was found. Set up a printer first and then try again.</translation>
    </message>
    <message>
        <source>Als er zometeen om een wachtwoord wordt gevraagd moet je &apos;Pelikaan7&apos; intypen&apos;</source>
        <translation>When you are asked for a password in a moment, type &apos;Pelikaan7&apos;</translation>
    </message>
    <message>
        <source>Het bonusprogramma irunin.bin kon niet worden gestart. Staat het nog in de map van het spel?</source>
        <translation>The bonus program irunin.bin could not be started. Is it still in the game folder?</translation>
    </message>
    <message>
        <source>De helppagina kon niet worden geopend: er is geen programma gevonden dat webpagina&apos;s opent.<byte value="xd"/>
Je vindt de pagina hier:<byte value="xd"/>
</source>
        <translation>The help page could not be opened: no program was found that opens web pages.<byte value="xd"/>
You will find the page here:<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Verzameling</source>
        <translation>Collection</translation>
    </message>
    <message>
        <source>Alleen een level dat oplosbaar is, kan in een verzameling.<byte value="xd"/>
Dit level: </source>
        <translation>Only a level that can be solved can go into a collection.<byte value="xd"/>
This level: </translation>
    </message>
    <message>
        <source><byte value="xd"/>
De editor verandert een beschadigde verzameling niet, zodat er niets van verloren gaat.</source>
        <translation><byte value="xd"/>
The editor does not change a damaged collection, so that nothing in it is lost.</translation>
    </message>
    <message>
        <source>Het level is nu level %1 van &quot;%2&quot;.</source>
        <translation>The level is now level %1 of &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>Te groot om na te gaan</source>
        <translation>Too large to check</translation>
    </message>
    <message>
        <source><byte value="xd"/>
De resultaten erin worden niet gebruikt; bij je volgende record wordt het opnieuw geschreven.</source>
        <translation><byte value="xd"/>
The results in it are not used; it is written anew at your next record.</translation>
    </message>
    <message>
        <source>Dwaalbos levels en verzamelingen (*.dwb *.dws);;Dwaalbos levels (*.dwb);;Dwaalbos verzamelingen (*.dws)</source>
        <translation>Dwaalbos levels and collections (*.dwb *.dws);;Dwaalbos levels (*.dwb);;Dwaalbos collections (*.dws)</translation>
    </message>
    <message>
        <source>Jouw beste: %1</source>
        <translation>Your best: %1</translation>
    </message>
    <message>
        <source>Verzamelingen:</source>
        <translation>Collections:</translation>
    </message>
    <message>
        <source>Nieuw doolhof</source>
        <translation>New maze</translation>
    </message>
    <message>
        <source>&amp;Moeilijkheid:</source>
        <translation>&amp;Difficulty:</translation>
    </message>
    <message>
        <source>&amp;Nummer (leeg: een nieuw):</source>
        <translation>&amp;Number (empty: a new one):</translation>
    </message>
    <message>
        <source>Maken</source>
        <translation>Make</translation>
    </message>
    <message>
        <source>&amp;Puzzel van de dag</source>
        <translation>&amp;Puzzle of the day</translation>
    </message>
    <message>
        <source>Annuleren</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Doolhof maken...</source>
        <translation>Making a maze...</translation>
    </message>
    <message>
        <source>Voor %1 %2 is op tijd geen doolhof gevonden dat echt zo moeilijk is.<byte value="xd"/>
Wil je een ander nummer proberen?</source>
        <translation>No maze that is truly this hard was found in time for %1 %2.<byte value="xd"/>
Do you want to try another number?</translation>
    </message>
    <message>
        <source>Bewaar als level</source>
        <translation>Save as level</translation>
    </message>
    <message>
        <source>Puzzel van de dag:</source>
        <translation>Puzzle of the day:</translation>
    </message>
    <message>
        <source>Nieuw doolhof...</source>
        <translation>New maze...</translation>
    </message>
    <message>
        <source>Naam en maker</source>
        <translation>Name and maker</translation>
    </message>
    <message>
        <source>%1 van %2 gehaald</source>
        <translation>%1 of %2 completed</translation>
    </message>
    <message>
        <source>Speel dit level</source>
        <translation>Play this level</translation>
    </message>
    <message>
        <source>Level set 1:</source>
        <translation>Level set 1:</translation>
    </message>
    <message>
        <source>Level set 2:</source>
        <translation>Level set 2:</translation>
    </message>
    <message>
        <source>%1 door %2</source>
        <translation>%1 by %2</translation>
    </message>
    <message>
        <source>%1 — Zetten: %2</source>
        <translation>%1 — Moves: %2</translation>
    </message>
    <message>
        <source>Dwaalbos level selecteren</source>
        <translation>Select a Dwaalbos level</translation>
    </message>
    <message>
        <source>Geennaam</source>
        <translation>No name</translation>
    </message>
    <message>
        <source>Gemaakt door </source>
        <translation>Made by </translation>
    </message>
    <message>
        <source>anoniem</source>
        <translation>anonymous</translation>
    </message>
    <message>
        <source>Anoniem</source>
        <translation>Anonymous</translation>
    </message>
    <message>
        <source>Geen commentaar</source>
        <translation>No comment</translation>
    </message>
    <message>
        <source>Commentaar: </source>
        <translation>Comment: </translation>
    </message>
    <message>
        <source> door </source>
        <translation> by </translation>
    </message>
    <message>
        <source>Dwaalbos levels (*.dwb)</source>
        <translation>Dwaalbos levels (*.dwb)</translation>
    </message>
</context>
</TS>
