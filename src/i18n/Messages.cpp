// Text table rows: one per text, with its translations in LanguageIndex order.
// The forms' check and success messages, which exist in Chinese and English
// only: Chinese first, then English. The program's own messages, in every
// language, are in ProgramTexts.cpp.
// Placeholders stay as the texts use them (%d for printf-style, %1 %2 for
// positional arguments).
#include "i18n/TextTables.h"

// Hand-aligned tables: one row per entry, kept as written.
// clang-format off

namespace marrowby::i18n {

namespace camera {

const Message MenuFileGenerated{"camera.MenuFileGenerated",
    "相机菜单设置文件已经生成",
    "Camera menu configuration file is generated"};

const Message MenuFileGeneratedShort{"camera.MenuFileGeneratedShort",
    "相机菜单设置文件已经生成",
    "Configuration file is generated"};

// the Chinese text begins with a space
const Message FactoryFileGenerated{"camera.FactoryFileGenerated",
    " 相机菜单出厂设置文件已经生成",
    "Camera menu factory settings file has been generated"};

const Message FactoryFileGeneratedNoSpace{"camera.FactoryFileGeneratedNoSpace",
    "相机菜单出厂设置文件已经生成",
    "Camera menu factory settings file has been generated"};

}  // namespace camera

namespace mms {

const Message FileGenerated{"mms.FileGenerated",
    "MMS配置文件已生成",
    "MMS configuration file (URL|APN|Gateway|Port ...) has been generated"};

const Message InternationalPhone{"mms.InternationalPhone",
    "手机号码将不能在相机设置菜单显示",
    "Phone number will not be displayed in the camera setup menu"};

// %d the limit
const Message PhoneDigitLimit{"mms.PhoneDigitLimit",
    "最大允许手机号码位数 %d!",
    "The max allowable number of digits phone %d!"};

const Message PhoneError01{"mms.PhoneError01",
    "手机号码错误(01)",
    "Phone No. Error(01)"};

const Message PhoneError02{"mms.PhoneError02",
    "手机号码错误(02)",
    "Phone No. Error(02)"};

const Message PhoneError03{"mms.PhoneError03",
    "手机号码错误(03)",
    "Phone No. Error(03)"};

const Message PhoneDigitsOnly{"mms.PhoneDigitsOnly",
    "手机号码只允许数字(+)",
    "Only numbers(+) are allowed phone number"};

const Message RecheckPhone{"mms.RecheckPhone",
    "请重新检查手机号码是否输入正确",
    "Please re-check the phone number is entered correctly"};

const Message PhoneAndEmailError{"mms.PhoneAndEmailError",
    "手机号码和Email错误(0)",
    "Phone & Email Error(0)"};

const Message RecheckPhoneOrEmail{"mms.RecheckPhoneOrEmail",
    "请重新检查手机号码或者email地址是否输入正确",
    "Please re-check the phone number or email address is entered correctly"};

const Message EmailErrorAt{"mms.EmailErrorAt",
    "Email 错误(@)",
    "Email Error(@)"};

const Message EmailErrorDot{"mms.EmailErrorDot",
    "Email 错误(.)",
    "Email Error(.)"};

const Message UrlError{"mms.UrlError",
    "彩信网址错误(0)",
    "URL Error(0)"};

const Message ApnError{"mms.ApnError",
    "APN 错误(0)",
    "APN Error(0)"};

const Message GatewayError{"mms.GatewayError",
    "彩信网关错误(0)",
    "GateWay Error(0)"};

const Message PortError{"mms.PortError",
    "彩信端口错误(0)",
    "Port Error(0)"};

// standard MMS form
const Message GatewayDotError{"mms.GatewayDotError",
    "彩信网关错误(.)",
    "GateWay Error(.)"};

// K600 MMS form
const Message GatewayDotErrorK600{"mms.GatewayDotErrorK600",
    "网关错误(.)",
    "GateWay Error(.)"};

// the English text is that of PhoneError01
const Message SetPhone1{"mms.SetPhone1",
    "请设置手机号码1",
    "Phone No. Error(01)"};

}  // namespace mms

namespace smtp {

const Message FileGenerated{"smtp.FileGenerated",
    "SMTP配置文件已生成",
    "SMTP configuration file has been generated"};

const Message EnterGprsApn{"smtp.EnterGprsApn",
    "请输入GPRS APN",
    "GPRS APN"};

const Message EnterSmtpServer{"smtp.EnterSmtpServer",
    "请输入Smtp Server地址",
    "Smtp Server"};

const Message SetPort{"smtp.SetPort",
    "请设置端口",
    "Port"};

const Message EnterEmail{"smtp.EnterEmail",
    "请输入Email",
    "Please Input Email"};

const Message EmailErrorAt{"smtp.EmailErrorAt",
    "Email 错误(@)",
    "Email Error(@)"};

const Message EmailErrorDot{"smtp.EmailErrorDot",
    "Email 错误(.)",
    "Email Error(.)"};

const Message EnterSenderPassword{"smtp.EnterSenderPassword",
    "请输入发送者邮箱密码",
    "Sender Email Password"};

const Message EnterEmail01{"smtp.EnterEmail01",
    "请输入邮箱地址01",
    "Please Input Email01"};

const Message Email01ErrorAt{"smtp.Email01ErrorAt",
    "邮箱地址01 错误(@)",
    "Email01 Error(@)"};

const Message Email01ErrorDot{"smtp.Email01ErrorDot",
    "邮箱地址01 错误(.)",
    "Email01 Error(.)"};

const Message PhoneError{"smtp.PhoneError",
    "手机号码错误",
    "Phone No. Error"};

}  // namespace smtp

}  // namespace marrowby::i18n
