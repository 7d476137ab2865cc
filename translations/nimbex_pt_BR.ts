<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AppVersion</name>
    <message>
        <source>Version: %1.%2 - Build %3</source>
        <translation>Versão: %1.%2 - Compilação %3</translation>
    </message>
</context>
<context>
    <name>ClockFace</name>
    <message>
        <source>Hours</source>
        <translation>Horas</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutos</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Segundos</translation>
    </message>
    <message>
        <source>%1 %2, weight %3</source>
        <extracomment>A lamp&apos;s name for screen readers: &quot;Hours tens, weight 2&quot;; %1 the field, %2 the digit.</extracomment>
        <translation>%1, %2, peso %3</translation>
    </message>
    <message>
        <source>tens</source>
        <translation>dezenas</translation>
    </message>
    <message>
        <source>units</source>
        <translation>unidades</translation>
    </message>
    <message>
        <source>Clock face</source>
        <translation>Mostrador</translation>
    </message>
    <message>
        <source>Binary clock: hours, minutes and seconds</source>
        <translation>Relógio binário: horas, minutos e segundos</translation>
    </message>
</context>
<context>
    <name>ColorTable</name>
    <message>
        <source>Red</source>
        <translation>Vermelho</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarelo</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Roxo</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Preto</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Laranja</translation>
    </message>
    <message>
        <source>LightBlue</source>
        <translation>Azul-claro</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A desk clock that shows the time of day in binary-coded decimal.</source>
        <translation>Um relógio de mesa que mostra a hora em decimal codificado em binário.</translation>
    </message>
</context>
<context>
    <name>FaceDesign</name>
    <message>
        <source>Full Screen</source>
        <translation>Tela cheia</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Hide to Tray</source>
        <translation>Ocultar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>FileMenu</name>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Nimbex menu</source>
        <translation>Menu do Nimbex</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Mostrar</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sai&amp;r</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Uso: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[opções]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opções:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Mostra a ajuda nas opções da linha de comando.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Mostra a ajuda com inclusão das opções específicas do Qt.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Mostra informações sobre a versão.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Opção desconhecida &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Opções desconhecidas: %1.</translation>
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
        <translation>Sobre o Nimbex</translation>
    </message>
    <message>
        <source>Copyright © 2026 Vantrel</source>
        <translation>Copyright © 2026 Vantrel</translation>
    </message>
    <message>
        <source>Vantrel Online</source>
        <translation>Vantrel on-line</translation>
    </message>
    <message>
        <source>I was bored... go figure...</source>
        <translation>Eu estava entediado... vai entender...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Legal warning</source>
        <translation>Aviso legal</translation>
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
        <translation>Aviso: este programa de computador é protegido pelas<byte value="xd"/>
leis de direitos autorais e por tratados internacionais.<byte value="xd"/>
A cópia, o uso ou a distribuição não autorizados deste<byte value="xd"/>
programa, ou de qualquer parte dele, podem resultar em<byte value="xd"/>
severas penalidades civis e criminais, e os infratores<byte value="xd"/>
serão processados com todo o rigor da lei.<byte value="xd"/>
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
        <translation>Nimbex - Clique duas vezes para mostrar</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>Nimbex Options</source>
        <translation>Opções do Nimbex</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Cor:</translation>
    </message>
    <message>
        <source>Save and Close</source>
        <translation>Salvar e fechar</translation>
    </message>
    <message>
        <source>Cancel &amp;and Close</source>
        <translation>C&amp;ancelar</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Cheat</source>
        <translation>Cola</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>0&apos;s &amp;&amp; 1&apos;s</source>
        <translation>Zeros e uns</translation>
    </message>
</context>
</TS>
