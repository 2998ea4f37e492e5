<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>field</name>
    <message>
        <source>网络类型</source>
        <translation>Network type</translation>
    </message>
    <message>
        <source>网络名称</source>
        <translation>SSID</translation>
    </message>
    <message>
        <source>安全模式</source>
        <translation>Security</translation>
    </message>
    <message>
        <source>密钥格式</source>
        <translation>Key format</translation>
    </message>
    <message>
        <source>密钥索引</source>
        <translation>Key index</translation>
    </message>
    <message>
        <source>密钥</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>IP地址</source>
        <translation>IP address</translation>
    </message>
    <message>
        <source>子网掩码</source>
        <translation>Netmask</translation>
    </message>
    <message>
        <source>网关地址</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>DNS服务器</source>
        <translation>DNS server</translation>
    </message>
    <message>
        <source>服务器地址</source>
        <translation>Server IP</translation>
    </message>
    <message>
        <source>协议类型</source>
        <translation>Protocol</translation>
    </message>
    <message>
        <source>C/S模式</source>
        <translation>C/S mode</translation>
    </message>
    <message>
        <source>端口号</source>
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
        <source>组帧长度</source>
        <translation>Frame length</translation>
    </message>
    <message>
        <source>组帧周期</source>
        <translation>Frame period</translation>
    </message>
    <message>
        <source>保存参数</source>
        <translation>the save</translation>
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
        <translation>Period</translation>
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
        <source>开始配置</source>
        <translation>the configure command</translation>
    </message>
    <message>
        <source>第 %1 步（%2）</source>
        <translation>parameter %1 (%2)</translation>
    </message>
    <message>
        <source>含有换行或其他控制字符</source>
        <translation> holds a line end or another control character, which cannot go to the module as it stands</translation>
    </message>
    <message>
        <source>超过 %1 字节</source>
        <translation> is longer than the %1 bytes an SSID holds</translation>
    </message>
    <message>
        <source>应为 0 到 65535 之间的数字</source>
        <translation> is not a decimal number from 0 to 65535</translation>
    </message>
    <message>
        <source>未选择</source>
        <translation> has no value the module accepts</translation>
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
        <source>正在等待模块应答，未发送</source>
        <translation>a command is still in flight</translation>
    </message>
    <message>
        <source>%1%2，未发送</source>
        <translation>%1%2; nothing sent</translation>
    </message>
    <message>
        <source>写入 %1/%1：参数已保存</source>
        <translation>Written %1/%1: parameters saved</translation>
    </message>
    <message>
        <source>的值未知，请先填写或选择</source>
        <translation> is not known: the module gave none the form can hold</translation>
    </message>
    <message>
        <source>模块报告的 DHCP 值“%1”无法识别：请勾选或取消勾选“启动DHCP”后再提交</source>
        <translation>The module reported DHCP as &quot;%1&quot;, which is neither on nor off: tick or clear &quot;Use DHCP&quot; before you submit</translation>
    </message>
    <message>
        <source>%1；%2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>保存参数</source>
        <translation>the save</translation>
    </message>
    <message>
        <source>读取配置的应答</source>
        <translation>configuration report</translation>
    </message>
    <message>
        <source>连接请求的应答</source>
        <translation>connected reply</translation>
    </message>
    <message>
        <source>%1的确认</source>
        <translation>acknowledgement of %1</translation>
    </message>
    <message>
        <source>%1没有模块接受的值：没有再发送，参数未保存</source>
        <translation>%1 has no value the module accepts; nothing more was sent, nothing was saved</translation>
    </message>
    <message>
        <source>模块拒绝了读取配置（AT+SZ_CHECKCONFIG=ALL）</source>
        <translation>the module refused the configuration query (AT+SZ_CHECKCONFIG=ALL)</translation>
    </message>
    <message>
        <source>模块拒绝了连接请求（AT+SZ_CONNECT=START）</source>
        <translation>the module refused the connect request (AT+SZ_CONNECT=START)</translation>
    </message>
    <message>
        <source>模块拒绝了开始配置（AT+SZ_CONFIGURE=START），参数未保存</source>
        <translation>the module refused the configure command (AT+SZ_CONFIGURE=START); nothing was saved</translation>
    </message>
    <message>
        <source>模块拒绝了保存参数（AT+SZ_SAVE_CONFIG=SAVE），参数未保存</source>
        <translation>the module refused the save (AT+SZ_SAVE_CONFIG=SAVE); nothing was saved</translation>
    </message>
    <message>
        <source>模块拒绝了%1：%2，没有再发送，参数未保存</source>
        <translation>the module refused %1: %2; nothing more was sent, nothing was saved</translation>
    </message>
    <message>
        <source>等待%1时应答不完整：%2 秒内没有再收到数据</source>
        <translation>incomplete answer while waiting for the %1: nothing more came within %2 s</translation>
    </message>
    <message>
        <source>等待%2时 %1 秒内没有应答</source>
        <translation>no answer within %1 s while waiting for the %2</translation>
    </message>
    <message>
        <source>%1，连接已关闭</source>
        <translation>%1; the connection is closed</translation>
    </message>
    <message>
        <source>已确认至第 %1 步，%2</source>
        <translation>%2</translation>
    </message>
    <message>
        <source>保存未确认：模块多发了应答（应答比命令多）</source>
        <translation>the save is not confirmed: the module sent an unexpected reply (more replies than commands)</translation>
    </message>
    <message>
        <source>参数未保存：模块在%1之后多发了应答（应答比命令多）</source>
        <translation>nothing was saved: the module sent an unexpected reply after %1 (more replies than commands)</translation>
    </message>
    <message>
        <source>%1：没有模块报告它</source>
        <translation>%1: no module reports it</translation>
    </message>
    <message>
        <source>%1：模块的报告缺少 %2</source>
        <translation>%1: the module&apos;s report lacks %2</translation>
    </message>
    <message>
        <source>%1：模块报告了“%2”，表单无法表示</source>
        <translation>%1: the module reported &quot;%2&quot;, which the form cannot hold</translation>
    </message>
    <message>
        <source>%1；未发送任何命令：请用 --set NAME=VALUE 或在 --from 配置文件中给出值</source>
        <translation>%1; nothing was sent: give a value with --set NAME=VALUE or in the --from profile</translation>
    </message>
    <message>
        <source>模块报告的%1%2：请用 --set %3=... 给出值</source>
        <translation>%1 as reported%2; give a value with --set %3=...</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1（没有模块报告它）</source>
        <translation>%1 (no module reports it)</translation>
    </message>
    <message>
        <source>%1（模块报告了“%2”）</source>
        <translation>%1 (reported &quot;%2&quot;)</translation>
    </message>
    <message>
        <source>模块的报告缺少 %1（显示为 null）</source>
        <translation>the module&apos;s report lacks %1 (printed as null)</translation>
    </message>
    <message>
        <source>值未知，显示为 null：%1</source>
        <translation>unknown, printed as null: %1</translation>
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
        <source>%1不是 %2 编码，显示为 �，不修改则原样写回</source>
        <translation>The %1 is not %2; shown with �, it is written back unchanged unless edited</translation>
    </message>
    <message>
        <source>%1是 %2 编码，不是 %3：文字按 %2 解码，配置文件标为 %2</source>
        <translation>%1 is %2, not %3: the texts are decoded, and the profile marked, as %2</translation>
    </message>
    <message>
        <source>%1不是有效的 %2 文字：按字节以十六进制给出</source>
        <translation>%1 is not valid %2 text: it is given as its bytes, in hex</translation>
    </message>
    <message>
        <source>修改过的参数还没有写入模块。仍要关闭吗？</source>
        <translation>Edited parameters have not been written to the module. Close anyway?</translation>
    </message>
    <message>
        <source>下次打开窗口时使用新的语言。</source>
        <translation>The new language is used the next time the window opens.</translation>
    </message>
    <message>
        <source>串口 %1：%2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 不是有效的配置文件：%2</source>
        <translation>%1 is not a valid profile: %2</translation>
    </message>
    <message>
        <source>%1、%2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>以下字段当前不能修改，未导入：%1</source>
        <translation>These fields cannot be changed now and were not imported: %1</translation>
    </message>
    <message>
        <source>参数未保存</source>
        <translation>nothing was saved</translation>
    </message>
    <message>
        <source>保存未确认</source>
        <translation>the save is not confirmed</translation>
    </message>
    <message>
        <source>%1，%2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>已中断；没有再发送</source>
        <translation>interrupted; nothing more was sent</translation>
    </message>
    <message>
        <source>等待模块…</source>
        <translation>waiting for a module…</translation>
    </message>
    <message>
        <source>校验…</source>
        <translation>verifying…</translation>
    </message>
    <message>
        <source>成功，请取下模块</source>
        <translation>ok: remove the module</translation>
    </message>
    <message>
        <source>写入 %1/%2</source>
        <translation>writing %1/%2</translation>
    </message>
    <message>
        <source>%1 个成功，%2 个失败</source>
        <translation>%1 ok, %2 failed</translation>
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
        <source>语言</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>导出配置</source>
        <translation>Export profile</translation>
    </message>
    <message>
        <source>导入配置</source>
        <translation>Import profile</translation>
    </message>
    <message>
        <source>配置文件 (*.json)</source>
        <translation>Profiles (*.json)</translation>
    </message>
    <message>
        <source>配置文件 (*.json);;所有文件 (*)</source>
        <translation>Profiles (*.json);;All files (*)</translation>
    </message>
    <message>
        <source>编码</source>
        <translation>Encoding</translation>
    </message>
    <message>
        <source>网络名称和密钥的编码：输入的文字按此编码发送</source>
        <translation>The encoding of the SSID and key: typed text is sent in it</translation>
    </message>
    <message>
        <source>未找到串口</source>
        <translation>No serial port found</translation>
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
        <source>正在连接…</source>
        <translation>Connecting…</translation>
    </message>
    <message>
        <source>断开</source>
        <translation>Disconnect</translation>
    </message>
    <message>
        <source>请检查模块的电源和接线，然后重新连接。</source>
        <translation>Check the module&apos;s power and wiring, then connect again.</translation>
    </message>
    <message>
        <source>请检查模块的电源和接线，然后重新提交。</source>
        <translation>Check the module&apos;s power and wiring, then submit again.</translation>
    </message>
    <message>
        <source>请重新读取模块，确认参数是否已保存。</source>
        <translation>Read the module again to see whether the save took.</translation>
    </message>
    <message>
        <source>请重新连接模块，然后重新提交。</source>
        <translation>Connect to the module again, then submit again.</translation>
    </message>
    <message>
        <source>请改正后重新提交。</source>
        <translation>Correct it, then submit again.</translation>
    </message>
    <message>
        <source>请先连接模块。</source>
        <translation>Connect to the module first.</translation>
    </message>
    <message>
        <source>%1。%2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>未选择串口</source>
        <translation>no port selected</translation>
    </message>
    <message>
        <source>请先在“串口”中选择一个。</source>
        <translation>Choose one in the port list first.</translation>
    </message>
    <message>
        <source>串口 %1 不存在</source>
        <translation>%1: no such device</translation>
    </message>
    <message>
        <source>请检查设备是否插好，然后重新选择串口。</source>
        <translation>Check that the adapter is plugged in, then choose the port again.</translation>
    </message>
    <message>
        <source>串口 %1 正被其他程序使用</source>
        <translation>%1: port busy: another program is using it</translation>
    </message>
    <message>
        <source>请关闭使用它的程序，然后重试。</source>
        <translation>Close the program that uses it, then try again.</translation>
    </message>
    <message>
        <source>没有权限打开串口 %1</source>
        <translation>%1: permission denied</translation>
    </message>
    <message>
        <source>请把用户加入 dialout 组，然后重新登录。</source>
        <translation>Add the user to the dialout group, then log in again.</translation>
    </message>
    <message>
        <source>串口 %1 未打开</source>
        <translation>%1: port is closed</translation>
    </message>
    <message>
        <source>请重新连接模块；如果仍然失败，请重新插好设备。</source>
        <translation>Connect again; if it fails again, plug the adapter in again.</translation>
    </message>
    <message>
        <source>串口操作失败</source>
        <translation>the port failed</translation>
    </message>
    <message>
        <source>串口 %1 操作失败</source>
        <translation>%1: the port failed</translation>
    </message>
    <message>
        <source>串口 %1 已断开：设备被拔出或线路挂断，连接已关闭</source>
        <translation>%1: the device was unplugged or the line hung up</translation>
    </message>
    <message>
        <source>请插好设备，然后重新连接。</source>
        <translation>Plug the device back in, then connect again.</translation>
    </message>
    <message>
        <source>请确认该串口连接的是本模块，然后重新连接。</source>
        <translation>Make sure the module is on this port, then connect again.</translation>
    </message>
    <message>
        <source>请重新提交；如果仍被拒绝，请重启模块。</source>
        <translation>Submit again; if the module refuses again, restart it.</translation>
    </message>
    <message>
        <source>请检查这一项的值，然后重新提交。</source>
        <translation>Check that value, then submit again.</translation>
    </message>
    <message>
        <source>请等当前的应答或写入结束后再提交。</source>
        <translation>Wait until the answer or the write in progress has ended, then submit.</translation>
    </message>
    <message>
        <source>模块未连接，未发送</source>
        <translation>the module is not connected; nothing sent</translation>
    </message>
    <message>
        <source>请取消勾选“启动DHCP”，填写后重新提交。</source>
        <translation>Clear &quot;Use DHCP&quot;, fill it in, then submit again.</translation>
    </message>
    <message>
        <source>连接已断开</source>
        <translation>the connection was lost</translation>
    </message>
    <message>
        <source>请插好设备，重新连接后再提交。</source>
        <translation>Plug the device back in, connect again, then submit again.</translation>
    </message>
    <message>
        <source>无法保存 %1</source>
        <translation>cannot save %1</translation>
    </message>
    <message>
        <source>请换一个文件夹或文件名。</source>
        <translation>Choose another folder or file name.</translation>
    </message>
    <message>
        <source>无法打开 %1</source>
        <translation>cannot read %1</translation>
    </message>
    <message>
        <source>请检查文件是否存在、能否读取。</source>
        <translation>Check that the file exists and can be read.</translation>
    </message>
    <message>
        <source>请改正文件，然后重新导入。</source>
        <translation>Correct the file, then import it again.</translation>
    </message>
    <message>
        <source>模块未连接，无法导入配置</source>
        <translation>the module is not connected: nothing can be imported</translation>
    </message>
    <message>
        <source>请等写入结束后重新导入。</source>
        <translation>Wait until the write has ended, then import again.</translation>
    </message>
    <message>
        <source>%1：“%2”不是 %3 之一</source>
        <translation>%1: &quot;%2&quot; is not one of %3</translation>
    </message>
    <message>
        <source>%1：该值%2</source>
        <translation>%1: the value%2</translation>
    </message>
    <message>
        <source>%1：“%2”不是 true 或 false</source>
        <translation>%1: &quot;%2&quot; is not true or false</translation>
    </message>
    <message>
        <source>%1：“%2”不是由四个 0 到 255 的数组成的地址（如 192.168.1.10）</source>
        <translation>%1: &quot;%2&quot; is not an address of four numbers 0 to 255 (like 192.168.1.10)</translation>
    </message>
    <message>
        <source>%1：该值含有 %2 无法表示的字符，请改用另一种编码</source>
        <translation>%1: the value has a character that %2 cannot express; choose the other encoding</translation>
    </message>
    <message>
        <source>%1：只有文字可以按字节给出</source>
        <translation>%1: only a text takes bytes</translation>
    </message>
    <message>
        <source>--set %1：应为 NAME=VALUE</source>
        <translation>--set %1: expected NAME=VALUE</translation>
    </message>
    <message>
        <source>--set：未知的名称“%1”</source>
        <translation>--set: unknown name &quot;%1&quot;</translation>
    </message>
    <message>
        <source>未知的名称“%1”</source>
        <translation>unknown name &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1：应为 {&quot;hex&quot;: &quot;...&quot;}，其中是成对的十六进制数字</source>
        <translation>%1: expected {&quot;hex&quot;: &quot;...&quot;} with pairs of hex digits</translation>
    </message>
    <message>
        <source>true 或 false</source>
        <translation>true or false</translation>
    </message>
    <message>
        <source>1 到 4 的数字</source>
        <translation>a number 1 to 4</translation>
    </message>
    <message>
        <source>字符串或 {&quot;hex&quot;: ...}</source>
        <translation>a string or {&quot;hex&quot;: ...}</translation>
    </message>
    <message>
        <source>字符串</source>
        <translation>a string</translation>
    </message>
    <message>
        <source>%1：应为 %2 或 null</source>
        <translation>%1: expected %2 or null</translation>
    </message>
    <message>
        <source>标准输入</source>
        <translation>standard input</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>超过 1 MiB，不是配置文件</source>
        <translation>larger than 1 MiB, not a profile</translation>
    </message>
    <message>
        <source>不是 JSON 对象（第 %1 行第 %2 列有误）</source>
        <translation>not a JSON object (error at line %1, column %2)</translation>
    </message>
    <message>
        <source>不是 JSON 对象</source>
        <translation>not a JSON object</translation>
    </message>
    <message>
        <source>“encoding”应为 gbk 或 utf-8</source>
        <translation>&quot;encoding&quot; is gbk or utf-8</translation>
    </message>
    <message>
        <source>--set：未知的名称“%1”，是指“%2”吗？</source>
        <translation>--set: unknown name &quot;%1&quot;; did you mean &quot;%2&quot;?</translation>
    </message>
    <message>
        <source>未知的名称“%1”，是指“%2”吗？</source>
        <translation>unknown name &quot;%1&quot;; did you mean &quot;%2&quot;?</translation>
    </message>
    <message>
        <source>修改过的参数还没有写入模块。重新读取会用模块的参数替换它们，仍要重新读取吗？</source>
        <translation>Edited values have not been written to the module. Reading again replaces them with the module&apos;s values. Read again anyway?</translation>
    </message>
    <message>
        <source>模块已是给定的值，仍然写入：%1</source>
        <translation>the module already has these values as given; written anyway: %1</translation>
    </message>
    <message>
        <source>已导入配置，尚未写入模块：请提交参数</source>
        <translation>Profile imported, not yet written to the module: submit to write it</translation>
    </message>
    <message>
        <source>模块拒绝了命令</source>
        <translation>the module refused a command</translation>
    </message>
    <message>
        <source>校验不符：%1</source>
        <translation>verify found %1 different</translation>
    </message>
    <message>
        <source>模块没有应答</source>
        <translation>the module did not answer</translation>
    </message>
    <message>
        <source>串口出错</source>
        <translation>the serial port failed</translation>
    </message>
    <message>
        <source>配置无法写入</source>
        <translation>the profile cannot be written</translation>
    </message>
    <message>
        <source>失败（%1），请取下模块</source>
        <translation>failed (%1): remove the module</translation>
    </message>
    <message>
        <source>重新读取</source>
        <translation>Read again</translation>
    </message>
    <message>
        <source>菜单</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>导出、导入配置，重新读取，通信记录，语言（Shift+F10）</source>
        <translation>Export, import, read again, traffic, language (Shift+F10)</translation>
    </message>
    <message>
        <source>十六进制</source>
        <translation>Hex</translation>
    </message>
    <message>
        <source>按字节显示所有非 ASCII 字符（\xB2），不按所选编码解码</source>
        <translation>Show every non-ASCII byte as an escape (\xB2) instead of decoding texts in the chosen encoding</translation>
    </message>
    <message>
        <source>%1（模块的应答：“%2”）</source>
        <translation>%1 (the module answered &quot;%2&quot;)</translation>
    </message>
    <message>
        <source>等待%1时模块一直在发送，但 %2 秒内没有完整的应答</source>
        <translation>the module kept sending, but no complete answer came within %2 s while waiting for the %1</translation>
    </message>
    <message>
        <source>%1（最后一行：“%2”）</source>
        <translation>%1 (last line: &quot;%2&quot;)</translation>
    </message>
    <message>
        <source>模块应答了“%1”，这不是确认</source>
        <translation>the module answered &quot;%1&quot;, which is not an acknowledgement</translation>
    </message>
    <message>
        <source>模块应答了“%1”，不是%2</source>
        <translation>the module answered &quot;%1&quot;, which is not the %2</translation>
    </message>
    <message>
        <source>请确认该串口连接的是本模块，并且它使用这些命令。</source>
        <translation>Make sure the module on this port is this kind of module and speaks these commands.</translation>
    </message>
    <message>
        <source>写入 %1/%1：参数已保存，读回校验一致（协议类型不在报告中，无法校验）</source>
        <translation>Written %1/%1: saved and verified (the protocol is in no report and cannot be)</translation>
    </message>
    <message>
        <source>已保存，正在读回校验…</source>
        <translation>Saved; reading the module back to verify…</translation>
    </message>
    <message>
        <source>%1无法读回校验：没有模块报告它</source>
        <translation>%1 cannot be verified: no module reports it</translation>
    </message>
    <message>
        <source>%1：写入 %2，模块为 %3</source>
        <translation>%1: wrote %2, the module has %3</translation>
    </message>
    <message>
        <source>%1：写入 %2，无法判断（模块报告了“%3”）</source>
        <translation>%1: wrote %2, cannot tell (the module reported &quot;%3&quot;)</translation>
    </message>
    <message>
        <source>%1：写入 %2，无法判断（模块的报告缺少 %3）</source>
        <translation>%1: wrote %2, cannot tell (the module's report lacks %3)</translation>
    </message>
    <message>
        <source>保存后读回，模块的参数与写入的不符：%1</source>
        <translation>read back after the save, the module differs: %1</translation>
    </message>
    <message>
        <source>请重新提交；如果仍然不符，请检查模块。</source>
        <translation>Submit again; if it still differs, check the module.</translation>
    </message>
    <message>
        <source>模块保存后断开，没有在限时内回来</source>
        <translation>the module went away after its save and did not come back in time</translation>
    </message>
    <message>
        <source>参数已保存，但未能读回校验：%1</source>
        <translation>saved, but not verified: %1</translation>
    </message>
    <message>
        <source>参数已保存，但未读回校验</source>
        <translation>saved, but not verified</translation>
    </message>
    <message>
        <source>不是有效的 JSON（%1）</source>
        <translation>not valid JSON (%1)</translation>
    </message>
    <message>
        <source>“%1”出现了两次</source>
        <translation>&quot;%1&quot; is given twice</translation>
    </message>
    <message>
        <source>保存后读回校验</source>
        <translation>Read back after saving</translation>
    </message>
    <message>
        <source>已中断</source>
        <translation>interrupted</translation>
    </message>
    <message>
        <source>太长，无法作为一条命令发送（一条命令最多 %1 字节）</source>
        <translation> is too long to go out as one command (%1 bytes at most)</translation>
    </message>
    <message>
        <source>%1 不是串口</source>
        <translation>%1 is not a serial port</translation>
    </message>
    <message>
        <source>请选择一个串口（wifi-config ports 列出所有串口）。</source>
        <translation>Pick a serial port from those wifi-config ports lists.</translation>
    </message>
    <message>
        <source>已修改，尚未写入</source>
        <translation>Modified, not written</translation>
    </message>
    <message>
        <source>未报告</source>
        <translation>Not reported</translation>
    </message>
    <message>
        <source>模块没有报告这一项：请填写或选择后再提交</source>
        <translation>The module did not report this: fill it in or choose before you submit</translation>
    </message>
    <message>
        <source>%1 — %2 %3</source>
        <translation>%1 — %2 %3</translation>
    </message>
    <message>
        <source>…（点击查看全文）</source>
        <translation>… (click for all of it)</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>所有文件 (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>✔ 成功</source>
        <translation>✔ passed</translation>
    </message>
    <message>
        <source>✘ 失败</source>
        <translation>✘ failed</translation>
    </message>
    <message>
        <source>%1  #%2  %3  %4</source>
        <translation>%1  #%2  %3  %4</translation>
    </message>
    <message>
        <source>%1  %2</source>
        <translation>%1  %2</translation>
    </message>
    <message>
        <source>已是此配置</source>
        <translation>already configured</translation>
    </message>
    <message>
        <source>请取下模块</source>
        <translation>remove the module</translation>
    </message>
    <message>
        <source>成功 %1 · 失败 %2 · %3</source>
        <translation>passed %1 · failed %2 · %3</translation>
    </message>
    <message>
        <source>第 %1 行</source>
        <translation>row %1</translation>
    </message>
    <message>
        <source>单元文件：引号没有结束</source>
        <translation>units file: a quote is not closed</translation>
    </message>
    <message>
        <source>单元文件：需要一行字段名和至少一行单元</source>
        <translation>units file: a header of field names and at least one row are needed</translation>
    </message>
    <message>
        <source>单元文件：未知的字段“%1”</source>
        <translation>units file: unknown field "%1"</translation>
    </message>
    <message>
        <source>单元文件：字段“%1”出现两次</source>
        <translation>units file: field "%1" is given twice</translation>
    </message>
    <message>
        <source>有 %1 个值，字段有 %2 个</source>
        <translation>%1 values for %2 fields</translation>
    </message>
    <message>
        <source>与第 %1 行相同</source>
        <translation>the same as row %1</translation>
    </message>
    <message>
        <source>单元文件的行已用完</source>
        <translation>no rows of the units file are left</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>%1：没有模块报告它，请给出 %2</source>
        <translation>%1: no module reports it; give %2</translation>
    </message>
    <message>
        <source>%1 或 %2</source>
        <translation>%1 or %2</translation>
    </message>
    <message>
        <source>请检查模块的电源和接线，然后重新运行命令。</source>
        <translation>Check the module&apos;s power and wiring, then run the command again.</translation>
    </message>
    <message>
        <source>请用 wifi-config read 读取模块，确认参数是否已保存。</source>
        <translation>Run wifi-config read to see whether the save took.</translation>
    </message>
    <message>
        <source>请重新运行命令。</source>
        <translation>Run the command again.</translation>
    </message>
    <message>
        <source>请改正后重新运行命令。</source>
        <translation>Correct it, then run the command again.</translation>
    </message>
    <message>
        <source>请检查设备是否插好，然后用 --port 指定串口（wifi-config ports 列出串口）。</source>
        <translation>Check that the adapter is plugged in, then name its port with --port (wifi-config ports lists them).</translation>
    </message>
    <message>
        <source>请重新运行命令；如果仍然失败，请重新插好设备。</source>
        <translation>Run the command again; if it fails again, plug the adapter in again.</translation>
    </message>
    <message>
        <source>请插好设备，然后重新运行命令。</source>
        <translation>Plug the device back in, then run the command again.</translation>
    </message>
    <message>
        <source>请确认模块接在该串口上（wifi-config ports --probe），然后重新运行命令。</source>
        <translation>Make sure the module is on this port (wifi-config ports --probe tells), then run the command again.</translation>
    </message>
    <message>
        <source>请重新运行命令；如果仍被拒绝，请重启模块。</source>
        <translation>Run the command again; if the module refuses again, restart it.</translation>
    </message>
    <message>
        <source>请检查这一项的值（--set），然后重新运行命令。</source>
        <translation>Check that value (--set), then run the command again.</translation>
    </message>
    <message>
        <source>请加上 --set dhcp=false 并填写这一项，然后重新运行命令。</source>
        <translation>Add --set dhcp=false and fill it in, then run the command again.</translation>
    </message>
    <message>
        <source>请重新运行命令；如果仍然不符，请检查模块。</source>
        <translation>Run the command again; if it still differs, check the module.</translation>
    </message>
    <message>
        <source>请改正文件，然后重新运行命令。</source>
        <translation>Correct the file, then run the command again.</translation>
    </message>
    <message>
        <source>未指定 --port：使用唯一的串口 %1</source>
        <translation>no --port given: using %1, the only serial port</translation>
    </message>
    <message>
        <source>未指定 --port，本机也没有串口</source>
        <translation>no --port given, and this system has no serial port</translation>
    </message>
    <message>
        <source>请插好设备，或用 --port 指定设备。</source>
        <translation>Plug in the adapter, or name the device with --port.</translation>
    </message>
    <message>
        <source>未指定 --port；本机的串口有 %1</source>
        <translation>no --port given; the serial ports here are %1</translation>
    </message>
    <message>
        <source>用 wifi-config ports --probe 找出接着模块的串口，再用 --port 指定。</source>
        <translation>wifi-config ports --probe tells which one a module answers on; name it with --port.</translation>
    </message>
</context>
</TS>
