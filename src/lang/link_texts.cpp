#include "lang/link_texts.h"

#include <array>

#include "lang/bilingual.h"

namespace mv52 {
namespace {

using K = LinkText;

constexpr auto kLinkTexts = std::to_array<KeyedText<LinkText>>({
    {K::CausePortNone, {"no device is known for this port", "此端口没有对应的设备"}},
    {K::CausePortMissing, {"no such device", "设备不存在"}},
    {K::CausePortPermission, {"permission denied", "没有访问权限"}},
    {K::CausePortBusy, {"the port is in use by another program", "端口正被其他程序占用"}},
    {K::CausePortOpen, {"the port could not be opened", "无法打开端口"}},
    {K::CausePortLost, {"the port failed during the transfer", "传输过程中端口出错"}},
    {K::CauseRadioSilent, {"no reply to the handshake", "握手无应答"}},
    {K::CauseRadioStopped, {"the radio stopped answering at address %1", "对讲机在地址 %1 处停止应答"}},
    {K::CauseRadioChecksum, {"a reply with a bad checksum", "应答的校验和错误"}},
    {K::CauseRadioGarbage, {"a reply that is not the radio's", "收到无法识别的应答"}},
    {K::SystemSays, {"The system says: %1", "系统信息：%1"}},
    {K::WhatToTry, {"What to try:", "可以尝试："}},
    {K::HintChoosePort,
     {"Choose the cable's port in Setup > Communication Port (\"mv52ctl ports\" lists them).",
      "在“设置 > 通信端口”中选择编程线所在的端口（“mv52ctl ports”可列出所有端口）。"}},
    {K::HintPlugIn,
     {"Check that the cable is plugged in: a USB cable gets another port name in another socket.",
      "检查编程线是否已插好：USB 编程线插在另一个插口时端口名称会改变。"}},
    {K::HintNotInGroup,
     {"You are not in the group \"%1\" that owns %2. Add yourself with \"%3\", then log out and back in.",
      "您不在拥有 %2 的用户组“%1”中。请运行“%3”将自己加入该组，然后注销并重新登录。"}},
    {K::HintGroupNotActive,
     {"You are in the group \"%1\", but this login began before you were added: log out and back in.",
      "您已在用户组“%1”中，但本次登录早于加入该组：请注销并重新登录。"}},
    {K::HintAskForAccess,
     {"Ask the administrator for read and write access to %1.", "请向管理员申请 %1 的读写权限。"}},
    {K::HintCloseOthers,
     {"Close any other program that uses the port (another programming tool, a terminal program).",
      "关闭正在使用该端口的其他程序（其他写频软件、终端程序）。"}},
    {K::HintGrabber,
     {"%1 is running and may take USB serial ports: stop it while programming (\"%2\").",
      "%1 正在运行，可能会占用 USB 串口：编程时请停止它（“%2”）。"}},
    {K::HintRadioOn,
     {"Check that the radio is switched on and the cable is fully seated at both ends.",
      "检查对讲机是否已开机，编程线两端是否插紧。"}},
    {K::HintRightPort,
     {"Check that this is the cable's port: Find Radio in the port dialog, or \"mv52ctl find\".",
      "确认这是编程线所在的端口：使用端口对话框中的“查找对讲机”，或运行“mv52ctl find”。"}},
    {K::HintDamagedReplies,
     {"Replies arrive damaged: seat the plugs fully, keep the cable away from the antenna lead, try another USB "
      "socket or cable.",
      "应答在传输中损坏：插紧插头，让编程线远离天线馈线，换一个 USB 插口或编程线。"}},
    {K::HintNotTheRadio,
     {"Something other than the radio answers on this port: check that it is the cable's port and that the radio "
      "is an MV52.",
      "该端口上应答的不是对讲机：确认这是编程线所在的端口，并且对讲机是 MV52。"}},
    {K::HintReplugAdapter,
     {"Unplug the cable and plug it in again, then choose its port again.",
      "拔下编程线后重新插上，然后重新选择端口。"}},
    {K::HeadingRead, {"Reading from %1", "正在从 %1 读取"}},
    {K::HeadingWrite, {"Writing to %1", "正在写入 %1"}},
    {K::HeadingVerify, {"Checking the write on %1", "正在 %1 上校验写入"}},
    {K::StopWriteQuestion,
     {"The radio will be left partly written: its memory will hold part of the new configuration and part of the "
      "old one until it is written again completely.\r\nStop the write?",
      "对讲机将只被写入一部分：在重新完整写入之前，其存储器中将是新旧配置的混合。\r\n是否停止写入？"}},
    {K::WriteStopped,
     {"The write was stopped. The radio holds the first %1 of %2 blocks written; the rest keep their old contents.",
      "写入已停止。对讲机已写入前 %1 个数据块（共 %2 个），其余数据块仍为旧内容。"}},
    {K::WriteStoppedAgain, {"Write to the radio again now?", "是否现在重新写入对讲机？"}},
    {K::ReadStopped, {"The read was stopped; nothing was changed.", "读取已停止，未作任何更改。"}},
    {K::PortConfigured, {"(configured)", "（当前设置）"}},
    {K::PortSerialShort, {"serial", "序列号"}},
    {K::PortDevice, {"Device:", "设备："}},
    {K::PortDescription, {"Description:", "描述："}},
    {K::PortManufacturer, {"Manufacturer:", "制造商："}},
    {K::PortUsbId, {"USB vendor:product:", "USB 厂商:产品："}},
    {K::PortSerialNumber, {"Serial number:", "序列号："}},
    {K::ProbeRadio, {"the radio answers: MV52 %1, firmware %2", "对讲机应答：MV52 %1，固件 %2"}},
    {K::ProbeOtherModel, {"a radio of another model answers: %1, firmware %2", "其他型号的对讲机应答：%1，固件 %2"}},
    {K::ProbeNoReply, {"no reply", "无应答"}},
    {K::ProbeNoIdentification,
     {"answered the handshake but not the identification request", "应答了握手，但未应答识别请求"}},
    {K::ProbeGarbage, {"answered with bytes that are not the radio's: %1", "应答的数据不是对讲机的：%1"}},
    {K::ProbeRefused, {"did not open: %1", "无法打开：%1"}},
    {K::ProbeFound, {"The radio is on %1.", "对讲机在 %1 上。"}},
    {K::ProbeNoneAnswered, {"No port answered as the radio. Tried:", "没有端口以对讲机的身份应答。已尝试："}},
    {K::ProbeNoCandidates,
     {"no USB serial adapter (\"mv52ctl find --all\" asks every port)", "没有 USB 串口适配器（“mv52ctl find --all”会询问所有端口）"}},
    {K::PlugInstruction, {"Unplug the cable, then plug it in again.", "请拔下编程线，然后重新插上。"}},
    {K::PlugAppeared, {"The cable is on %1.", "编程线在 %1 上。"}},
    {K::PlugNothing, {"No port appeared.", "没有出现新的端口。"}},
    {K::FindRadioButton, {"&Find Radio", "查找对讲机(&F)"}},
    {K::FindEveryPort, {"Ask &every port", "询问所有端口(&E)"}},
    {K::ProbeAsking, {"Asking the ports for the radio...", "正在向各端口询问对讲机..."}},
    {K::SupportFilter, {"Zip Archive (*.zip)|*.zip", "Zip 压缩文件 (*.zip)|*.zip"}},
    {K::SupportIncludeData,
     {"Add the current data file pair %1 to the support information? It holds the radio's whole configuration.",
      "是否将当前数据文件 %1 一并加入支持信息？其中包含对讲机的全部配置。"}},
    {K::SupportSaved, {"Support information saved: %1", "支持信息已保存：%1"}},
    {K::SupportFailed, {"The support information could not be saved in %1: %2", "无法将支持信息保存到 %1：%2"}},
});
static_assert(keysInOrder(kLinkTexts));

}  // namespace

std::string text(LinkText key, LanguageIndex language) { return lookupText(kLinkTexts, key, language); }

}  // namespace mv52
