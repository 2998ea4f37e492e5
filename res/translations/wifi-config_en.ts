<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>field</name>
    <message>
        <source>网络类型</source>
        <translation>network type</translation>
    </message>
    <message>
        <source>网络名称</source>
        <translation>SSID</translation>
    </message>
    <message>
        <source>安全模式</source>
        <translation>security</translation>
    </message>
    <message>
        <source>密钥格式</source>
        <translation>key format</translation>
    </message>
    <message>
        <source>密钥索引</source>
        <translation>key index</translation>
    </message>
    <message>
        <source>密钥</source>
        <translation>key</translation>
    </message>
    <message>
        <source>IP地址</source>
        <translation>IP address</translation>
    </message>
    <message>
        <source>子网掩码</source>
        <translation>netmask</translation>
    </message>
    <message>
        <source>网关地址</source>
        <translation>gateway</translation>
    </message>
    <message>
        <source>DNS服务器</source>
        <translation>DNS server</translation>
    </message>
    <message>
        <source>服务器地址</source>
        <translation>server IP</translation>
    </message>
    <message>
        <source>协议类型</source>
        <translation>protocol</translation>
    </message>
    <message>
        <source>C/S模式</source>
        <translation>C/S mode</translation>
    </message>
    <message>
        <source>端口号</source>
        <translation>server port</translation>
    </message>
    <message>
        <source>波特率</source>
        <translation>baud rate</translation>
    </message>
    <message>
        <source>检验位</source>
        <translation>parity</translation>
    </message>
    <message>
        <source>数据位</source>
        <translation>data bits</translation>
    </message>
    <message>
        <source>停止位</source>
        <translation>stop bits</translation>
    </message>
    <message>
        <source>组帧长度</source>
        <translation>frame length</translation>
    </message>
    <message>
        <source>组帧周期</source>
        <translation>frame time</translation>
    </message>
    <message>
        <source>保存参数</source>
        <translation>save</translation>
    </message>
</context>
<context>
    <name>wifi</name>
    <message>
        <source>未连接</source>
        <translation>Not connected</translation>
    </message>
    <message>
        <source>已连接</source>
        <translation>Connected</translation>
    </message>
    <message>
        <source>参数已保存!</source>
        <translation>Parameters saved!</translation>
    </message>
    <message>
        <source>WIFI参数配置</source>
        <translation>Wi-Fi Module Configuration</translation>
    </message>
    <message>
        <source>通信设置</source>
        <translation>Module UART</translation>
    </message>
    <message>
        <source>串  口</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>波特率</source>
        <translation>Baud</translation>
    </message>
    <message>
        <source>检验位</source>
        <translation>Parity</translation>
    </message>
    <message>
        <source>数据位</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>停止位</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>配置连接</source>
        <translation>Connection</translation>
    </message>
    <message>
        <source>配置参数</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>无线设置</source>
        <translation>Wireless</translation>
    </message>
    <message>
        <source>网络名称：</source>
        <translation>SSID:</translation>
    </message>
    <message>
        <source>安全模式：</source>
        <translation>Security:</translation>
    </message>
    <message>
        <source>密钥格式：</source>
        <translation>Key format:</translation>
    </message>
    <message>
        <source>密钥索引：</source>
        <translation>Key index:</translation>
    </message>
    <message>
        <source>密钥：</source>
        <translation>Key:</translation>
    </message>
    <message>
        <source>网络设置</source>
        <translation>Network</translation>
    </message>
    <message>
        <source>启动DHCP</source>
        <translation>Use DHCP</translation>
    </message>
    <message>
        <source>IP地址：</source>
        <translation>IP address:</translation>
    </message>
    <message>
        <source>子网掩码：</source>
        <translation>Netmask:</translation>
    </message>
    <message>
        <source>网关地址：</source>
        <translation>Gateway:</translation>
    </message>
    <message>
        <source>DNS服务器：</source>
        <translation>DNS server:</translation>
    </message>
    <message>
        <source>工作模式设置</source>
        <translation>Working mode</translation>
    </message>
    <message>
        <source>协议类型：</source>
        <translation>Protocol:</translation>
    </message>
    <message>
        <source>C/S模式：</source>
        <translation>C/S mode:</translation>
    </message>
    <message>
        <source>服务器地址：</source>
        <translation>Server IP:</translation>
    </message>
    <message>
        <source>端口号：</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>提交参数</source>
        <translation>Submit</translation>
    </message>
    <message>
        <source>连接模块</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>网络类型</source>
        <translation>Network type</translation>
    </message>
    <message>
        <source>组帧长度</source>
        <translation>Frame</translation>
    </message>
    <message>
        <source>组帧周期</source>
        <translation>Timeout</translation>
    </message>
    <message>
        <source>无校验</source>
        <translation>None</translation>
    </message>
    <message>
        <source>奇校验</source>
        <translation>Odd</translation>
    </message>
    <message>
        <source>偶校验</source>
        <translation>Even</translation>
    </message>
    <message>
        <source>客户端</source>
        <translation>Client</translation>
    </message>
    <message>
        <source>服务器</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>AP模式</source>
        <translation>AP mode</translation>
    </message>
    <message>
        <source>STA模式</source>
        <translation>STA mode</translation>
    </message>
    <message>
        <source>未选择串口：请先在“串口”中选择一个。</source>
        <translation>No port selected: choose one under &quot;Port&quot; first.</translation>
    </message>
    <message>
        <source>串口 %1 不存在。</source>
        <translation>Port %1 does not exist.</translation>
    </message>
    <message>
        <source>串口 %1 正被其他程序使用。</source>
        <translation>Port %1 is in use by another program.</translation>
    </message>
    <message>
        <source>没有权限打开串口 %1：请把用户加入 dialout 组后重新登录。</source>
        <translation>No permission to open port %1: add the user to the dialout group and log in again.</translation>
    </message>
    <message>
        <source>串口 %1 未打开：请先连接模块。</source>
        <translation>Port %1 is not open: connect the module first.</translation>
    </message>
    <message>
        <source>串口操作失败。</source>
        <translation>The port operation failed.</translation>
    </message>
    <message>
        <source>串口 %1 操作失败。</source>
        <translation>The operation on port %1 failed.</translation>
    </message>
    <message>
        <source>串口 %1 已断开：设备被拔出或线路挂断，连接已关闭。</source>
        <translation>Port %1 is gone: the device was unplugged or the line hung up. The connection is closed.</translation>
    </message>
    <message>
        <source>开始配置</source>
        <translation>configure command</translation>
    </message>
    <message>
        <source>读取配置</source>
        <translation>configuration query</translation>
    </message>
    <message>
        <source>连接请求</source>
        <translation>connect request</translation>
    </message>
    <message>
        <source>第 %1 步（%2）</source>
        <translation>step %1 (%2)</translation>
    </message>
    <message>
        <source>含有换行或其他控制字符</source>
        <translation> holds a line break or another control character</translation>
    </message>
    <message>
        <source>超过 %1 字节</source>
        <translation> is longer than %1 bytes</translation>
    </message>
    <message>
        <source>应为 0 到 65535 之间的数字</source>
        <translation> must be a number from 0 to 65535</translation>
    </message>
    <message>
        <source>未选择</source>
        <translation> has no selection</translation>
    </message>
    <message>
        <source>含有当前编码无法表示的字符</source>
        <translation> has a character the chosen encoding cannot express</translation>
    </message>
    <message>
        <source>已读取模块参数</source>
        <translation>Module parameters read</translation>
    </message>
    <message>
        <source>写入 %1/%2：%3</source>
        <translation>Writing %1/%2: %3</translation>
    </message>
    <message>
        <source>第 %1 步停止：%2%3，参数未保存</source>
        <translation>Stopped at step %1: %2%3. Parameters not saved</translation>
    </message>
    <message>
        <source>模块拒绝了%1，参数未保存</source>
        <translation>The module refused the %1. Parameters not saved</translation>
    </message>
    <message>
        <source>模块拒绝了%1</source>
        <translation>The module refused the %1</translation>
    </message>
    <message>
        <source>正在等待模块应答，未发送</source>
        <translation>Waiting for the module to answer; nothing sent</translation>
    </message>
    <message>
        <source>模块未连接，请先连接模块</source>
        <translation>The module is not connected: connect it first</translation>
    </message>
    <message>
        <source>%1%2，未发送</source>
        <translation>%1%2; nothing sent</translation>
    </message>
    <message>
        <source>%1无应答，连接已关闭</source>
        <translation>No answer to the %1; the connection is closed</translation>
    </message>
    <message>
        <source>开始配置无应答，参数未保存</source>
        <translation>No answer to the configure command. Parameters not saved</translation>
    </message>
    <message>
        <source>已确认至第 %1 步，%2无应答，参数未保存</source>
        <translation>Acknowledged up to step %1, no answer to %2. Parameters not saved</translation>
    </message>
    <message>
        <source>已确认至第 %1 步，保存参数无应答，保存未确认</source>
        <translation>Acknowledged up to step %1, no answer to the save. The save is not confirmed</translation>
    </message>
    <message>
        <source>写入 %1/%1：参数已保存</source>
        <translation>Written %1/%1: parameters saved</translation>
    </message>
    <message>
        <source>的值未知，请先填写或选择</source>
        <translation> is unknown: fill it in or choose one first</translation>
    </message>
    <message>
        <source>模块报告的 DHCP 值“%1”无法识别：请勾选或取消勾选“启动DHCP”后再提交</source>
        <translation>The module reported DHCP as &quot;%1&quot;, which is neither on nor off: tick or clear &quot;Use DHCP&quot; before you submit</translation>
    </message>
    <message>
        <source>连接请求无应答，参数未保存</source>
        <translation>No answer to the connect request. Parameters not saved</translation>
    </message>
    <message>
        <source>模块多发了应答，保存未确认</source>
        <translation>The module answered more often than it was asked. Save not confirmed</translation>
    </message>
    <message>
        <source>模块在%1之后多发了应答，参数未保存</source>
        <translation>The module answered more often than it was asked, after the %1. Parameters not saved</translation>
    </message>
</context>
<context>
    <name>wifi::ConfigWindow</name>
    <message>
        <source>编码</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>网络名称和密钥的编码：输入的文字按此编码发送</source>
        <translation>The encoding of the SSID and key: typed text is sent in it</translation>
    </message>
    <message>
        <source>%1不是 %2 编码，显示为 �，不修改则原样写回</source>
        <translation>The %1 is not %2; shown with �, it is written back unchanged unless edited</translation>
    </message>
    <message>
        <source>%1是 %2 编码，已改用 %2 显示</source>
        <translation>The %1 is %2; now shown as %2</translation>
    </message>
    <message>
        <source>%1含有无法识别的字节（显示为 �），不修改则原样写回</source>
        <translation>The %1 has bytes of no known encoding (shown as �); it is written back unchanged unless edited</translation>
    </message>
    <message>
        <source>串口 %1：模块在 %2 秒内没有应答：%3。</source>
        <translation>Port %1: the module did not answer within %2 seconds: %3.</translation>
    </message>
    <message>
        <source>修改过的参数还没有写入模块。仍要关闭吗？</source>
        <translation>Edited parameters have not been written to the module. Close anyway?</translation>
    </message>
    <message>
        <source>导出配置…</source>
        <translation>Export profile…</translation>
    </message>
    <message>
        <source>导入配置…</source>
        <translation>Import profile…</translation>
    </message>
    <message>
        <source>通信记录</source>
        <translation>Traffic</translation>
    </message>
    <message>
        <source>下次打开窗口时使用新的语言。</source>
        <translation>The new language is used the next time the window opens.</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>无法保存 %1：%2</source>
        <translation>Cannot save %1: %2</translation>
    </message>
    <message>
        <source>请先连接模块，再导入配置</source>
        <translation>Connect the module before importing a profile</translation>
    </message>
    <message>
        <source>无法打开 %1：%2</source>
        <translation>Cannot open %1: %2</translation>
    </message>
    <message>
        <source>%1 不是有效的配置文件：%2</source>
        <translation>%1 is not a valid profile: %2</translation>
    </message>
    <message>
        <source>以下字段当前不能修改，未导入：%1</source>
        <translation>These fields cannot be changed now and were not imported: %1</translation>
    </message>
    <message>
        <source>导出配置</source>
        <translation>Export profile</translation>
    </message>
    <message>
        <source>配置文件 (*.json)</source>
        <translation>Profiles (*.json)</translation>
    </message>
    <message>
        <source>导入配置</source>
        <translation>Import profile</translation>
    </message>
    <message>
        <source>配置文件 (*.json);;所有文件 (*)</source>
        <translation>Profiles (*.json);;All files (*)</translation>
    </message>
    <message>
        <source>串口 %1：模块的应答不完整，%2 秒内没有再收到数据：%3。</source>
        <translation>Port %1: the module's answer is incomplete; nothing more came within %2 seconds: %3.</translation>
    </message>
</context>
<context>
    <name>wifi::PortComboBox</name>
    <message>
        <source>未找到串口</source>
        <translation>No serial port found</translation>
    </message>
</context>
<context>
    <name>wifi::TrafficWindow</name>
    <message>
        <source>通信记录</source>
        <translation>Traffic</translation>
    </message>
    <message>
        <source>显示密钥</source>
        <translation>Show secrets</translation>
    </message>
    <message>
        <source>显示网络密钥和网页密码；不勾选时显示为 ***</source>
        <translation>Show the Wi-Fi key and the web password; unticked, they read ***</translation>
    </message>
    <message>
        <source>保存…</source>
        <translation>Save…</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>保存通信记录</source>
        <translation>Save traffic</translation>
    </message>
    <message>
        <source>文本文件 (*.txt)</source>
        <translation>Text files (*.txt)</translation>
    </message>
    <message>
        <source>无法保存 %1：%2</source>
        <translation>Cannot save %1: %2</translation>
    </message>
</context>
</TS>
