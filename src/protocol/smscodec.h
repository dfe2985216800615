#pragma once
// SMS programming (keyword, access code), APN, XML function and caller IDs.
#include <QString>

#include "protocol/formvalues.h"
#include "protocol/notice.h"

namespace SmsCodec {

// Outcome of a writer that checks its input before sending.
struct WriteCheck
{
    bool send = false; // body is to be sent
    QString body; // between "AT!XSMSC=" and "\r"
    QList<Notice> notices; // in the order they are shown
    FormValues corrections; // fields the check empties
    bool reenablePages = false; // enable the tab widget and zero the progress
};

// Every writer refuses a value holding "," ";" or a control character
// (Frame::refusedValue), naming the field.
WriteCheck keywordAccess(const FormValues &v); // "KEYWD:..;ACCES:1,.."
WriteCheck apn(const FormValues &v); // "APN:name,user,password"
WriteCheck xml(const FormValues &v); // "XML:user,password"
WriteCheck callerIds(const FormValues &v); // "CALID:1,id1;CALID:2,id2"

// Caller-ID check when editing finishes: a refused text empties the field.
FieldCheck checkPhoneNumber(const QString &text, int maximum = 15);

FormValues decodeApn(const QString &received);
FormValues decodeXml(const QString &received);
FormValues decodeCallerId(const QString &received, int which); // 1 or 2
// KEYWD / ACCES value strings of a CFG answer.
FormValues decodeKeyword(const QString &value);
FormValues decodeAccessCode(const QString &value);

} // namespace SmsCodec
