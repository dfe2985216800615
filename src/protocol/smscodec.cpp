#include "protocol/smscodec.h"

#include <QCoreApplication>

#include "protocol/answer.h"
#include "protocol/frame.h"
#include "protocol/widgetnames.h"

namespace SmsCodec {

namespace {

const QString Keyword = QStringLiteral("lineEdit_keywd");
const QString AccessCode = QStringLiteral("lineEdit_access");

constexpr int KeywordMax = 15;
constexpr int CodeMin = 4;
constexpr int CodeMax = 8;

enum class Length { Ok, OutOfRange, Empty };

// An out-of-range text is reported with the range right away.
Length checkTextLength(const QString &text, int minimum, int maximum, QList<Notice> &notices)
{
    if (text.isEmpty())
        return Length::Empty;
    if (text.size() < minimum || text.size() > maximum) {
        notices << Notice::info(
            QCoreApplication::translate("SmsCodec", "Min. %1 Max. %2-characters")
                .arg(minimum)
                .arg(maximum));
        return Length::OutOfRange;
    }
    return Length::Ok;
}

bool isPhoneCharacter(QChar c)
{
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('+')
        || c == QLatin1Char('*') || c == QLatin1Char('#') || c == QLatin1Char('&');
}

// `body` is sent unless one of the labelled values is refused.
WriteCheck checked(const QString &body, std::initializer_list<Frame::LabelledValue> values)
{
    WriteCheck check;
    if (const auto refusal = Frame::refusedValue(values)) {
        check.notices << *refusal;
        return check;
    }
    check.send = true;
    check.body = body;
    return check;
}

FormValues fieldsInto(const QString &received, const QString &keyword, const QStringList &names)
{
    const QStringList fields = Answer::fields(received, keyword);
    FormValues values;
    for (int i = 0; i < names.size(); ++i)
        values.setText(names.at(i), Answer::field(fields, i));
    return values;
}

} // namespace

WriteCheck keywordAccess(const FormValues &v)
{
    WriteCheck check;
    const QString keyword = v.text(Keyword);
    const QString code = v.text(AccessCode);

    if (keyword.isEmpty()) {
        check.reenablePages = true;
        check.notices << Notice::info(
            QCoreApplication::translate("SmsCodec", "Keyword length error!"));
        return check;
    }
    if (const auto refusal
        = Frame::refusedValue({{QCoreApplication::translate("SmsCodec", "SMS Keyword"), keyword},
            {QCoreApplication::translate("SmsCodec", "Access Code"), code}})) {
        check.notices << *refusal;
        return check;
    }
    const Length keywordLength = checkTextLength(keyword, 0, KeywordMax, check.notices);
    const Length codeLength = checkTextLength(code, CodeMin, CodeMax, check.notices);

    if (keywordLength == Length::Ok && codeLength == Length::Ok) {
        check.send = true;
        check.body = QStringLiteral("KEYWD:%1;ACCES:1,%2").arg(keyword, code);
    } else if (codeLength == Length::Empty) {
        check.corrections.setText(AccessCode, QString());
        check.reenablePages = true;
        check.notices << Notice::info(
            QCoreApplication::translate("SmsCodec", "Min. 4 Max. 8-characters"));
    } else if (keywordLength == Length::OutOfRange) {
        check.corrections.setText(Keyword, QString());
        check.reenablePages = true;
    }
    return check;
}

WriteCheck apn(const FormValues &v)
{
    const QString name = v.text(QStringLiteral("lineEdit_apn_internet"));
    const QString user = v.text(QStringLiteral("lineEdit_apn_user"));
    const QString password = v.text(QStringLiteral("lineEdit_apn_passwd"));
    return checked(QStringLiteral("APN:%1,%2,%3").arg(name, user, password),
        {{QCoreApplication::translate("SmsCodec", "APN Name"), name},
            {QCoreApplication::translate("SmsCodec", "APN User"), user},
            {QCoreApplication::translate("SmsCodec", "APN Password"), password}});
}

WriteCheck xml(const FormValues &v)
{
    const QString user = v.text(QStringLiteral("lineEdit_XML_user"));
    const QString password = v.text(QStringLiteral("lineEdit_XML_password"));
    return checked(QStringLiteral("XML:%1,%2").arg(user, password),
        {{QCoreApplication::translate("SmsCodec", "XML User"), user},
            {QCoreApplication::translate("SmsCodec", "XML Password"), password}});
}

// The caller-ID fields are checked when edited; a profile can still bring
// in a separator.
WriteCheck callerIds(const FormValues &v)
{
    const QString first = v.text(WidgetNames::callerId(1));
    const QString second = v.text(WidgetNames::callerId(2));
    return checked(QStringLiteral("CALID:1,%1;CALID:2,%2").arg(first, second),
        {{QCoreApplication::translate("SmsCodec", "Caller ID1"), first},
            {QCoreApplication::translate("SmsCodec", "Caller ID2"), second}});
}

FieldCheck checkPhoneNumber(const QString &text, int maximum)
{
    for (const QChar c : text) {
        if (!isPhoneCharacter(c))
            return {false, Notice::info(QCoreApplication::translate("SmsCodec", "Digits only !"))};
    }
    if (text.size() > maximum)
        return {false,
            Notice::info(
                QCoreApplication::translate("SmsCodec", "Max. telephone number %1 digits !")
                    .arg(maximum))};
    return {};
}

FormValues decodeApn(const QString &received)
{
    return fieldsInto(received, QStringLiteral("APN?:"),
        {QStringLiteral("lineEdit_apn_internet"), QStringLiteral("lineEdit_apn_user"),
            QStringLiteral("lineEdit_apn_passwd")});
}

FormValues decodeXml(const QString &received)
{
    return fieldsInto(received, QStringLiteral("XML?:"),
        {QStringLiteral("lineEdit_XML_user"), QStringLiteral("lineEdit_XML_password")});
}

FormValues decodeCallerId(const QString &received, int which)
{
    FormValues values;
    if (which != 1 && which != 2)
        return values;
    const QString prefix = QStringLiteral("<OK> CAL?:%1,").arg(which);
    const int first = received.indexOf(prefix);
    if (first < 0)
        return values;
    const int start = first + prefix.size();
    const int second = received.indexOf(prefix, start);
    QString number = received.mid(start, second < 0 ? -1 : second - start);
    const int end = number.indexOf(Answer::Terminator);
    if (end >= 0)
        number.truncate(end); // a status line after the answer is not part of the number
    values.setText(WidgetNames::callerId(which), number);
    return values;
}

FormValues decodeKeyword(const QString &value)
{
    FormValues values;
    values.setText(Keyword, value);
    return values;
}

FormValues decodeAccessCode(const QString &value)
{
    FormValues values;
    values.setText(AccessCode, value);
    return values;
}

} // namespace SmsCodec
