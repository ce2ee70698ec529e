#include "commandtable.h"

#include "format/formatcommands.h"
#include "input/conversioncommands.h"
#include "printing/printcommands.h"
#include "systemcommands.h"
#include "wpsmainwindow.h"

namespace {

template<class Operation> struct OwnerOf;
template<class Commands> struct OwnerOf<void (Commands::*)()>
{
    using type = Commands;
};

// Runs a command object's operation on the page that owns that object.
template<auto operation> void run(WPSMainWindow &page)
{
    using Commands = typename OwnerOf<decltype(operation)>::type;
    (page.commands<Commands>().*operation)();
}

} // namespace

// A row names the class and method that carry a label out; the class is in
// the folder of the code it runs (format/, input/, printing/, app/).
const std::vector<CommandGroup> &commandTable()
{
    static const std::vector<CommandGroup> table {
        {"常用操作",
         true,
         {
             {"页面适配", run<&FormatCommands::setPageOption>},
             {"套下行文", run<&ConversionCommands::inserDownGW>},
             {"套上行文", run<&ConversionCommands::inserUpGW>},
             {"信函格式", run<&ConversionCommands::inserXH>},
             {"纪要简报", run<&ConversionCommands::inserJY>},
             {"联合发文", run<&ConversionCommands::inserLH>},
         }},
        {"字体设置",
         true,
         {
             {"设大标题", run<&FormatCommands::setBT>},
             {"一级标题", run<&FormatCommands::setIBT>},
             {"二级标题", run<&FormatCommands::setIIBT>},
             {"正文加粗", run<&FormatCommands::setZWB>},
             {"正文字体", run<&FormatCommands::setZW>},
         }},
        {"其他命令",
         true,
         {
             {"隐藏/显示红头", run<&FormatCommands::hideHongTou>},
             {"隐藏/显示页码", run<&FormatCommands::hidePageNumber>},
             {"插入横排页面", run<&FormatCommands::insertHPpage>},
             {"添加/删除定位线", run<&FormatCommands::inserTestLine>},
             {"加大行距", run<&FormatCommands::incSpace>},
             {"减小行距", run<&FormatCommands::decSpace>},
             {"设为一行", run<&FormatCommands::setLine>},
             {"编码打印", run<&PrintCommands::autoPrint>},
         }},
        {"系统设置",
         false,
         {
             {"系统参数设置", run<&SystemCommands::openSettings>},
             {"使用帮助", run<&SystemCommands::openHelp>},
             {"关于本软件", run<&SystemCommands::aboutMe>},
         }},
        {nullptr,
         true,
         {
             {"设为二行", run<&FormatCommands::setLine2>},
         }},
    };
    return table;
}
