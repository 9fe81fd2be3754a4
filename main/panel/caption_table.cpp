#include "main/panel/caption_table.h"

namespace dsp {
namespace {

// Leading and trailing spaces are part of the texts.
constexpr CaptionRow kCaptions[] = {
    {"Form1", "专业DSP前级效果器", "Digital Effect Processor", "Digital Effect Processor"},
    {"bsSkinButton2", "调用", "load", "load"},
    {"bsSkinButton3", "保存", "save", "save"},
    {"bsSkinGroupBox1", "系统", "SYSTEM", "SYSTEM"},
    {"bsSkinGroupBox2", "音效选项", "EFFECT OPTIONS", "EFFECT OPTIONS"},
    {"bsSkinGroupBox3", "话筒系统", "MIC OPTIONS", "MIC OPTIONS"},
    {"bsSkinStdLabel5", "音乐最大声：", "MUSIC VOL MAX:", "MUSIC VOL MAX:"},
    {"bsSkinStdLabel6", "话筒最大声：", "MIC VOL MAX:", "MIC VOL MAX:"},
    {"bsSkinStdLabel9", "超低音频点：", "SW FREQ:", "SW FREQ:"},
    {"bsSkinStdLabel2", "中置通道：", "CENTER:", "CENTER"},
    {"bsSkinStdLabel4", "消音：", "MUSIC IN", "MUSIC IN"},
    {"bsSkinStdLabel7", "防啸叫：", "F.B-EX", "F.B-EX"},
    {"bsSkinStdLabel8", "变调：", "KEY:", "KEY"},
    {"bsSkinStdLabel10", "延时：", "DELAY:", "DELAY:"},
    {"bsSkinStdLabel11", "重复：", "REPEAT:", "REPEAT:"},
    {"bsSkinStdLabel12", "回声：", "ECHO:", "ECHO:"},
    {"bsSkinStdLabel13", "混响时间：", "REV TIME:", "REV TIME:"},
    {"bsSkinStdLabel14", "混响电平：", "REV LEVEL:", "REV LEVEL:"},
    {"bsSkinStdLabel27", "主音量", "MAIN", "MAIN"},
    {"bsSkinStdLabel28", "超低", " SW", " SW"},
    {"bsSkinStdLabel29", "辅助", "AUX", "AUX"},
    {"bsSkinStdLabel23", "低音", "BASS", "BASS"},
    {"bsSkinStdLabel24", "中音", "MID", "MID"},
    {"bsSkinStdLabel25", "高音", "TREB", "TREB"},
    {"bsSkinStdLabel19", "低音", "BASS", "BASS"},
    {"bsSkinStdLabel20", "中音", "MID", "MID"},
    {"bsSkinStdLabel21", "高音", "TREB", "TREB"},
    {"bsSkinStdLabel16", "音量调节", "MUSIC VOL", "MUSIC VOL"},
    {"bsSkinStdLabel22", "音乐音调", "MUSIC TONE", "MUSIC TONE"},
    {"bsSkinStdLabel26", "话筒音调", "MIC TONE", "MIC TONE"},
    {"bsSkinStdLabel17", "话筒", " MIC", " MIC"},
    {"bsSkinStdLabel18", "效果", " EFF", " EFF"},
    {"bsSkinStdLabel30", "音量", " VOL", " VOL"},
    {"bsSkinStdLabel31", "音量", " VOL", " VOL"},
    {"bsSkinStdLabel1", "输入：", "INPUT:", "INPUT:"},
    {"bsSkinStdLabel32", "辅助：", "  AUX: ", "  AUX: "},
};

struct StatusRow {
    std::string_view chinese;
    std::string_view english;
};

// Indexed by ConnectionText. The English success text of the button path
// ("status: connect") differs from the relabel text for the same state
// ("status: connected"); both are what the unit's operators know.
constexpr StatusRow kStatus[] = {
    {"状态: 已连接", "status: connect"},         {"状态: 未连接", "status: disconnect"},
    {"状态: 连接出错", "status: connect error"}, {"状态: 断开出错", "status: disconnect error"},
    {"状态: 已连接", "status: connected"},       {"状态: 未连接", "status: disconnect"},
};

}  // namespace

std::span<const CaptionRow> CaptionTable() { return kCaptions; }

std::string_view CaptionText(const CaptionRow& row, int languageIndex, EnglishColumn column) {
    if (IsChinese(languageIndex)) return row.chinese;
    return column == EnglishColumn::Activation ? row.englishActivation : row.englishChange;
}

std::string_view StatusText(ConnectionText situation, int languageIndex) {
    const StatusRow& row = kStatus[static_cast<int>(situation)];
    return IsChinese(languageIndex) ? row.chinese : row.english;
}

std::string_view ConnectButtonText(bool connected, int languageIndex) {
    if (IsChinese(languageIndex)) return connected ? "断开" : "连接";
    return connected ? "disconnect" : "connect";
}

}  // namespace dsp
