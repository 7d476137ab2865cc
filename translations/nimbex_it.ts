<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AppVersion</name>
    <message>
        <source>Version: %1.%2 - Build %3</source>
        <translation>Versione: %1.%2 - Build %3</translation>
    </message>
</context>
<context>
    <name>ClockFace</name>
    <message>
        <source>Hours</source>
        <translation>Ore</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuti</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Secondi</translation>
    </message>
    <message>
        <source>%1 %2, weight %3</source>
        <extracomment>A lamp&apos;s name for screen readers: &quot;Hours tens, weight 2&quot;; %1 the field, %2 the digit.</extracomment>
        <translation>%1, %2, peso %3</translation>
    </message>
    <message>
        <source>tens</source>
        <translation>decine</translation>
    </message>
    <message>
        <source>units</source>
        <translation>unità</translation>
    </message>
    <message>
        <source>Clock face</source>
        <translation>Quadrante</translation>
    </message>
    <message>
        <source>Binary clock: hours, minutes and seconds</source>
        <translation>Orologio binario: ore, minuti e secondi</translation>
    </message>
</context>
<context>
    <name>ColorTable</name>
    <message>
        <source>Red</source>
        <translation>Rosso</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blu</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Giallo</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Viola</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Nero</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Arancione</translation>
    </message>
    <message>
        <source>LightBlue</source>
        <translation>Azzurro</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A desk clock that shows the time of day in binary-coded decimal.</source>
        <translation>Un orologio da scrivania che mostra l&apos;ora in decimale codificato in binario.</translation>
    </message>
</context>
<context>
    <name>FaceDesign</name>
    <message>
        <source>Full Screen</source>
        <translation>Schermo intero</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Hide to Tray</source>
        <translation>Nascondi</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>FileMenu</name>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Nimbex menu</source>
        <translation>Menu di Nimbex</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Mostra</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Utilizzo: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[opzioni]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opzioni:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Mostra la guida sulle opzioni della riga di comando.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Mostra la guida, incluse le opzioni specifiche di Qt.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Mostra le informazioni sulla versione.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Opzione sconosciuta &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Opzioni sconosciute: %1.</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Nimbex</source>
        <translation>Informazioni su Nimbex</translation>
    </message>
    <message>
        <source>Copyright © 2026 Vantrel</source>
        <translation>Copyright © 2026 Vantrel</translation>
    </message>
    <message>
        <source>Vantrel Online</source>
        <translation>Vantrel online</translation>
    </message>
    <message>
        <source>I was bored... go figure...</source>
        <translation>Mi annoiavo... chi l&apos;avrebbe detto...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Legal warning</source>
        <translation>Avviso legale</translation>
    </message>
    <message>
        <source>Warning: this computer program is protected by<byte value="xd"/>
copyright laws and by international treaties.<byte value="xd"/>
Unauthorized copying, use, or distribution of this<byte value="xd"/>
program, or of any part of it, may result in severe<byte value="xd"/>
civil and criminal penalties, and will be prosecuted<byte value="xd"/>
to the fullest extent possible under the law.<byte value="xd"/>
</source>
        <extracomment>Six lines, each ending in CR LF.</extracomment>
        <translation>Attenzione: questo programma per computer è protetto<byte value="xd"/>
dalle leggi sul diritto d&apos;autore e dai trattati internazionali.<byte value="xd"/>
La copia, l&apos;uso o la distribuzione non autorizzati di questo<byte value="xd"/>
programma, o di una sua parte, possono comportare gravi<byte value="xd"/>
sanzioni civili e penali e saranno perseguiti nella<byte value="xd"/>
misura massima consentita dalla legge.<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>frmNimbex</name>
    <message>
        <source>Nimbex - Copyright © 2026 Vantrel</source>
        <translation>Nimbex - Copyright © 2026 Vantrel</translation>
    </message>
    <message>
        <source>Nimbex - DoubleClick to Show</source>
        <translation>Nimbex - Doppio clic per mostrare</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>Nimbex Options</source>
        <translation>Opzioni di Nimbex</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Colore:</translation>
    </message>
    <message>
        <source>Save and Close</source>
        <translation>Salva e chiudi</translation>
    </message>
    <message>
        <source>Cancel &amp;and Close</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Cheat</source>
        <translation>Aiutino</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>0&apos;s &amp;&amp; 1&apos;s</source>
        <translation>Zeri e uni</translation>
    </message>
</context>
</TS>
