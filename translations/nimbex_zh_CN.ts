<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AppVersion</name>
    <message>
        <source>Version: %1.%2 - Build %3</source>
        <translation>版本：%1.%2 - 构建 %3</translation>
    </message>
</context>
<context>
    <name>ClockFace</name>
    <message>
        <source>Hours</source>
        <translation>小时</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>分钟</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>%1 %2, weight %3</source>
        <extracomment>A lamp&apos;s name for screen readers: &quot;Hours tens, weight 2&quot;; %1 the field, %2 the digit.</extracomment>
        <translation>%1%2，权重 %3</translation>
    </message>
    <message>
        <source>tens</source>
        <translation>十位</translation>
    </message>
    <message>
        <source>units</source>
        <translation>个位</translation>
    </message>
    <message>
        <source>Clock face</source>
        <translation>表盘</translation>
    </message>
    <message>
        <source>Binary clock: hours, minutes and seconds</source>
        <translation>二进制时钟：时、分、秒</translation>
    </message>
</context>
<context>
    <name>ColorTable</name>
    <message>
        <source>Red</source>
        <translation>红色</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>蓝色</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>黄色</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>绿色</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>紫色</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>黑色</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>橙色</translation>
    </message>
    <message>
        <source>LightBlue</source>
        <translation>浅蓝色</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A desk clock that shows the time of day in binary-coded decimal.</source>
        <translation>以二进制编码的十进制（BCD）显示时间的桌面时钟。</translation>
    </message>
</context>
<context>
    <name>FaceDesign</name>
    <message>
        <source>Full Screen</source>
        <translation>全屏</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Hide to Tray</source>
        <translation>隐藏到托盘</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>FileMenu</name>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Nimbex menu</source>
        <translation>Nimbex 菜单</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>显示(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>选项(&amp;O)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>用法：%1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[选项]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>选项：</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>在命令行选项上显示帮助。</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>显示包括 Qt 特有选项的帮助。</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>显示版本信息。</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>未知选项“%1”。</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>未知选项：%1。</translation>
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
        <translation>关于 Nimbex</translation>
    </message>
    <message>
        <source>Copyright © 2026 Vantrel</source>
        <translation>版权所有 © 2026 Vantrel</translation>
    </message>
    <message>
        <source>Vantrel Online</source>
        <translation>Vantrel 在线</translation>
    </message>
    <message>
        <source>I was bored... go figure...</source>
        <translation>闲着无聊……就这么回事……</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Legal warning</source>
        <translation>法律声明</translation>
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
        <translation>警告：本计算机程序受著作权法<byte value="xd"/>
和国际条约保护。<byte value="xd"/>
未经授权复制、使用或分发本程序<byte value="xd"/>
或其任何部分，可能导致严厉的<byte value="xd"/>
民事和刑事处罚，并将在法律<byte value="xd"/>
许可的最大范围内受到起诉。<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>frmNimbex</name>
    <message>
        <source>Nimbex - Copyright © 2026 Vantrel</source>
        <translation>Nimbex - 版权所有 © 2026 Vantrel</translation>
    </message>
    <message>
        <source>Nimbex - DoubleClick to Show</source>
        <translation>Nimbex - 双击显示</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>还原</translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>Nimbex Options</source>
        <translation>Nimbex 选项</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>颜色：</translation>
    </message>
    <message>
        <source>Save and Close</source>
        <translation>保存并关闭</translation>
    </message>
    <message>
        <source>Cancel &amp;and Close</source>
        <translation>取消(&amp;A)</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Cheat</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>0&apos;s &amp;&amp; 1&apos;s</source>
        <translation>0 和 1</translation>
    </message>
</context>
</TS>
