<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Acknowledgement</name>
    <message>
        <source>Add Device command success!  </source>
        <translation>Befehl Gerät hinzufügen erfolgreich!  </translation>
    </message>
    <message>
        <source>Delete Device command success!  </source>
        <translation>Befehl Gerät löschen erfolgreich!  </translation>
    </message>
    <message>
        <source>Reboot Device OK, please wait 30 seconds!</source>
        <translation>Geräteneustart OK, bitte 30 Sekunden warten!</translation>
    </message>
    <message>
        <source>Reboot GSM OK, please wait 30 seconds!</source>
        <translation>GSM-Neustart OK, bitte 30 Sekunden warten!</translation>
    </message>
    <message>
        <source>Factory Reset OK, please wait 30 seconds!</source>
        <translation>Werksreset OK, bitte 30 Sekunden warten!</translation>
    </message>
    <message>
        <source>Factory Mode OK!</source>
        <translation>Werksmodus OK!</translation>
    </message>
    <message>
        <source>Write command error! Check your Latitude &quot;and&quot; &quot;Longitude&quot; value</source>
        <translation>Fehler beim Schreibbefehl! Prüfen Sie die Werte &quot;Breitengrad&quot; und &quot;Längengrad&quot;</translation>
    </message>
    <message>
        <source>Write command error!  </source>
        <translation>Fehler beim Schreibbefehl!  </translation>
    </message>
    <message>
        <source>Geo-fence:</source>
        <translation>Geofence:</translation>
    </message>
    <message>
        <source>Forbidden-zone:</source>
        <translation>Sperrzone:</translation>
    </message>
    <message>
        <source>Write command success!  </source>
        <translation>Schreibbefehl erfolgreich!  </translation>
    </message>
</context>
<context>
    <name>AddSensorDialog</name>
    <message>
        <source>Add Sensor</source>
        <translation>Neuer Sensor</translation>
    </message>
    <message>
        <source>Sensor ID( HEX. )</source>
        <translation>Sensor-ID( HEX. )</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>CompareDialog</name>
    <message>
        <source>Show equal settings</source>
        <translation>Gleiche Einst. zeigen</translation>
    </message>
    <message>
        <source>Apply selected</source>
        <translation>Auswahl übernehmen</translation>
    </message>
    <message>
        <source>Compare with profile</source>
        <translation>Mit Profil vergleichen</translation>
    </message>
    <message>
        <source>%1 holds what the pages hold.</source>
        <translation>%1 enthält dasselbe wie die Seiten.</translation>
    </message>
    <message>
        <source>1 setting of %1 differs from the pages.</source>
        <translation>1 Einstellung von %1 weicht von den Seiten ab.</translation>
    </message>
    <message>
        <source>%1 settings of %2 differ from the pages.</source>
        <translation>%1 Einstellungen von %2 weichen von den Seiten ab.</translation>
    </message>
</context>
<context>
    <name>ConfigSheet</name>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Report destinations</source>
        <translation>Meldeziele</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Ereignis</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Geo-fences</source>
        <translation>Geofences</translation>
    </message>
    <message>
        <source>Centre or vertices (latitude, longitude)</source>
        <translation>Mittelpunkt oder Ecken (Breitengrad, Längengrad)</translation>
    </message>
    <message>
        <source>Radius (m)</source>
        <translation>Radius (m)</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Deaktiviert</translation>
    </message>
    <message>
        <source>Configuration sheet</source>
        <translation>Konfigurationsblatt</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Tool version</source>
        <translation>Tool-Version</translation>
    </message>
    <message>
        <source>Model and version</source>
        <translation>Modell und Version</translation>
    </message>
    <message>
        <source>IMEI</source>
        <translation>IMEI</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Einstellung</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Paired sensors</source>
        <translation>Gekoppelte Sensoren</translation>
    </message>
    <message>
        <source>No sensor is paired.</source>
        <translation>Kein Sensor gekoppelt.</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Zone</translation>
    </message>
</context>
<context>
    <name>DifferenceList</name>
    <message>
        <source>Page</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Einstellung</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
</context>
<context>
    <name>FirmwareUpgrade</name>
    <message>
        <source>&lt;h2&gt; Read file !&lt;/h2&gt;&lt;p&gt; </source>
        <translation>&lt;h2&gt; Datei lesen !&lt;/h2&gt;&lt;p&gt; </translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>File too large! %1 bytes, at most %2 bytes.</source>
        <translation>Datei zu groß! %1 Bytes, höchstens %2 Bytes.</translation>
    </message>
    <message>
        <source>Cannot open the file!</source>
        <translation>Datei kann nicht geöffnet werden!</translation>
    </message>
    <message>
        <source>File Length Error!</source>
        <translation>Dateilängenfehler!</translation>
    </message>
    <message>
        <source>Port not opened!</source>
        <translation>Port nicht geöffnet!</translation>
    </message>
    <message>
        <source>Upgrade error!</source>
        <translation>Upgrade-Fehler!</translation>
    </message>
    <message>
        <source>Upgrade File Length Error!</source>
        <translation>Upgrade-Dateilängenfehler!</translation>
    </message>
    <message>
        <source>MG Upgrade Finish. Please wait 30 seconds!</source>
        <translation>MG-Upgrade beendet. Bitte 30 Sekunden warten!</translation>
    </message>
    <message>
        <source>MG Upgrade Failure!</source>
        <translation>MG-Upgrade fehlgeschlagen!</translation>
    </message>
    <message>
        <source>MG Upgrade Failure!<byte value="xd"/>
The device stopped answering for %1 seconds.</source>
        <translation>MG-Update fehlgeschlagen!<byte value="xd"/>
Das Gerät hat %1 Sekunden lang nicht geantwortet.</translation>
    </message>
    <message>
        <source>Total elapsed timer %1:%2 </source>
        <translation>Gesamtdauer %1:%2 </translation>
    </message>
</context>
<context>
    <name>FormSheet</name>
    <message>
        <source>Checked</source>
        <translation>Angekreuzt</translation>
    </message>
    <message>
        <source>Unchecked</source>
        <translation>Nicht angekreuzt</translation>
    </message>
</context>
<context>
    <name>Frame</name>
    <message>
        <source>%1 may not contain &quot;,&quot;, &quot;;&quot; or control characters!</source>
        <translation>%1 darf kein &quot;,&quot;, &quot;;&quot; oder Steuerzeichen enthalten!</translation>
    </message>
</context>
<context>
    <name>GeoFenceCodec</name>
    <message>
        <source>Max 10000 Meters!</source>
        <translation>Max. 10000 Meter!</translation>
    </message>
    <message>
        <source>Min 200 Meters!</source>
        <translation>Min. 200 Meter!</translation>
    </message>
    <message>
        <source>Digits only!</source>
        <translation>Nur Ziffern!</translation>
    </message>
    <message>
        <source>Decimal six!</source>
        <translation>Sechs Dezimalstellen!</translation>
    </message>
    <message>
        <source>Geo-fence idx error!</source>
        <translation>Geofence-Index-Fehler!</translation>
    </message>
    <message>
        <source>Positive number only!</source>
        <translation>Nur positive Zahlen!</translation>
    </message>
    <message>
        <source>Version T37, T6_QX, T6_QX_P9, T35, T9 or T2 ?? GeoFence Format Error!</source>
        <translation>Version T37, T6_QX, T6_QX_P9, T35, T9 oder T2 ?? Geofence-Formatfehler!</translation>
    </message>
    <message>
        <source>Forbidden-zone:</source>
        <translation>Sperrzone:</translation>
    </message>
    <message>
        <source>Geo-fence:</source>
        <translation>Geofence:</translation>
    </message>
</context>
<context>
    <name>InactivityCodec</name>
    <message>
        <source>para0</source>
        <translation>para0</translation>
    </message>
    <message>
        <source>para1</source>
        <translation>para1</translation>
    </message>
    <message>
        <source>para2</source>
        <translation>para2</translation>
    </message>
</context>
<context>
    <name>LogPane</name>
    <message>
        <source>[... %1 characters of older log dropped ...]</source>
        <translation>[... %1 Zeichen älteres Log verworfen ...]</translation>
    </message>
</context>
<context>
    <name>ManageSerialPort</name>
    <message>
        <source>The port is already open</source>
        <translation>Der Port ist bereits offen</translation>
    </message>
</context>
<context>
    <name>OpenFailure</name>
    <message>
        <source>%1 (pid %2)</source>
        <translation>%1 (pid %2)</translation>
    </message>
    <message>
        <source>If no other program is using the port, your user may lack access to serial ports: sudo usermod -aG dialout $USER, then log in again.</source>
        <translation>Nutzt kein anderes Programm den Port, fehlt Ihrem Benutzer eventuell der Zugriff auf serielle Ports: sudo usermod -aG dialout $USER, dann neu anmelden.</translation>
    </message>
    <message>
        <source>Another program is using the port; close it and try again.</source>
        <translation>Ein anderes Programm nutzt den Port; schließen Sie es und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Only the port&apos;s owner may open it. Install the tool&apos;s udev rule (README, Troubleshooting) so the logged-in user may open it.</source>
        <translation>Nur der Besitzer des Ports darf ihn öffnen. Installieren Sie die udev-Regel des Tools (README, Fehlerbehebung), damit der angemeldete Benutzer ihn öffnen darf.</translation>
    </message>
    <message>
        <source>The port belongs to group %1; you were added to it after this session started. Log out and log in again.</source>
        <translation>Der Port gehört der Gruppe %1; Sie wurden nach dem Start dieser Sitzung hinzugefügt. Ab- und wieder anmelden.</translation>
    </message>
    <message>
        <source>The port belongs to group %1; you are not in it. Run: sudo usermod -aG %1 $USER, then log in again.</source>
        <translation>Der Port gehört der Gruppe %1; Sie sind nicht Mitglied. Ausführen: sudo usermod -aG %1 $USER, dann neu anmelden.</translation>
    </message>
    <message>
        <source>Can&apos;t open %1</source>
        <translation>%1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>The port is held by %1.</source>
        <translation>Der Port wird von %1 belegt.</translation>
    </message>
    <message>
        <source>ModemManager takes this port for a modem. Stop it while you work (sudo systemctl stop ModemManager) or install the tool&apos;s udev rule, which tells ModemManager to leave the device alone.</source>
        <translation>ModemManager hält diesen Port für ein Modem. Beenden Sie ihn während der Arbeit (sudo systemctl stop ModemManager) oder installieren Sie die udev-Regel des Tools, die ModemManager das Gerät ignorieren lässt.</translation>
    </message>
    <message>
        <source>The braille driver brltty takes some USB serial adapters. If you use no braille display, remove it (sudo apt remove brltty) or disable its udev rules (sudo systemctl mask brltty-udev.service), then plug the device in again.</source>
        <translation>Der Braillezeilen-Treiber brltty belegt manche USB-Seriell-Adapter. Ohne Braillezeile entfernen Sie ihn (sudo apt remove brltty) oder deaktivieren seine udev-Regeln (sudo systemctl mask brltty-udev.service) und stecken das Gerät neu ein.</translation>
    </message>
</context>
<context>
    <name>PortNames</name>
    <message>
        <source>Description: %1</source>
        <translation>Beschreibung: %1</translation>
    </message>
    <message>
        <source>Manufacturer: %1</source>
        <translation>Hersteller: %1</translation>
    </message>
    <message>
        <source>Serial number: %1</source>
        <translation>Seriennummer: %1</translation>
    </message>
    <message>
        <source>USB ID: %1</source>
        <translation>USB-ID: %1</translation>
    </message>
    <message>
        <source>By id: %1</source>
        <translation>Nach ID: %1</translation>
    </message>
</context>
<context>
    <name>ProfileDialog</name>
    <message>
        <source>Profile Manager</source>
        <translation>Profilverwaltung</translation>
    </message>
    <message>
        <source>Profile List:</source>
        <translation>Profilliste:</translation>
    </message>
    <message>
        <source>Module</source>
        <translation>Modul</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Delete Profile</source>
        <translation>Profil löschen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Module:</source>
        <translation>Modul:</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Profile:</source>
        <translation><byte value="xd"/>
Profil:</translation>
    </message>
    <message>
        <source>Do you want to delete <byte value="xd"/>
</source>
        <translation>Möchten Sie löschen: <byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Are you sure? <byte value="xd"/>
</source>
        <translation><byte value="xd"/>
Sind Sie sicher? <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Delete <byte value="xd"/>
</source>
        <translation>Löschen <byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
 failed !<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
 fehlgeschlagen !<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
 success !</source>
        <translation><byte value="xd"/>
 erfolgreich !</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Ordner:</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>The folder %1 could not be opened in the file manager.</source>
        <translation>Der Ordner %1 konnte nicht im Dateimanager geöffnet werden.</translation>
    </message>
</context>
<context>
    <name>ProfileNameDialog</name>
    <message>
        <source>New Profile</source>
        <translation>Neues Profil</translation>
    </message>
    <message>
        <source>New Profile name</source>
        <translation>Neuer Profilname</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>File name has been used!</source>
        <translation>Dateiname bereits vergeben!</translation>
    </message>
    <message>
        <source>Save Profile As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Save Profile As ...</source>
        <translation>Profil speichern unter ...</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 is too large for a profile</source>
        <translation>%1 ist zu groß für ein Profil</translation>
    </message>
    <message>
        <source>%1 is not a profile: no line names a setting of the pages.</source>
        <translation>%1 ist kein Profil: Keine Zeile nennt eine Einstellung der Seiten.</translation>
    </message>
</context>
<context>
    <name>ReportCodec</name>
    <message>
        <source>Report idx error!</source>
        <translation>Meldungs-Index-Fehler!</translation>
    </message>
    <message>
        <source>Report destination %1</source>
        <translation>Meldeziel %1</translation>
    </message>
</context>
<context>
    <name>RestoreBackupDialog</name>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Restore backup</source>
        <translation>Backup wiederherstellen</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Grund</translation>
    </message>
    <message>
        <source>Filter by device</source>
        <translation>Nach Gerät filtern</translation>
    </message>
    <message>
        <source>&amp;Device:</source>
        <translation>&amp;Gerät:</translation>
    </message>
    <message>
        <source>Backups in %1</source>
        <translation>Backups in %1</translation>
    </message>
    <message>
        <source>There are no backups yet.</source>
        <translation>Noch keine Backups vorhanden.</translation>
    </message>
    <message>
        <source>No backup of such a device.</source>
        <translation>Kein Backup eines solchen Geräts.</translation>
    </message>
    <message>
        <source>The pages hold what this backup holds.</source>
        <translation>Die Seiten enthalten dasselbe wie dieses Backup.</translation>
    </message>
    <message>
        <source>1 setting differs from the pages.</source>
        <translation>1 Einstellung weicht von den Seiten ab.</translation>
    </message>
    <message>
        <source>%1 settings differ from the pages.</source>
        <translation>%1 Einstellungen weichen von den Seiten ab.</translation>
    </message>
    <message>
        <source>Write All</source>
        <translation>Alle schreiben</translation>
    </message>
    <message>
        <source>Firmware upgrade</source>
        <translation>Firmware-Update</translation>
    </message>
    <message>
        <source>Factory Reset</source>
        <translation>Werksreset</translation>
    </message>
</context>
<context>
    <name>SensorCodec</name>
    <message>
        <source>Velomi Tool</source>
        <translation>Velomi Tool</translation>
    </message>
    <message>
        <source>Device type str is NULL ! Please read again !</source>
        <translation>Gerätetyp-String ist NULL ! Bitte erneut lesen !</translation>
    </message>
    <message>
        <source>Sensor ID error!(format1)</source>
        <translation>Sensor-ID-Fehler!(Format1)</translation>
    </message>
    <message>
        <source>Sensor ID error!(format2)</source>
        <translation>Sensor-ID-Fehler!(Format2)</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Read configuration success!</source>
        <translation>Konfiguration erfolgreich gelesen!</translation>
    </message>
    <message>
        <source>T9_W5 or T47 or T41 or T68 only!</source>
        <translation>Nur T9_W5, T47, T41 oder T68!</translation>
    </message>
    <message>
        <source>Geo fence:</source>
        <translation>Geofence:</translation>
    </message>
    <message>
        <source>Read stopped: the answer to &quot;RPT?:%1&quot; names no destination.</source>
        <translation>Lesen abgebrochen: Die Antwort auf &quot;RPT?:%1&quot; nennt kein Ziel.</translation>
    </message>
    <message>
        <source>Report write</source>
        <translation>Meldung schreiben</translation>
    </message>
    <message>
        <source>Sensor list</source>
        <translation>Sensorliste</translation>
    </message>
    <message>
        <source>Write All</source>
        <translation>Alle schreiben</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>Serial Port is not open! &quot;Write All&quot;</source>
        <translation>Serieller Port ist nicht offen! &quot;Alle schreiben&quot;</translation>
    </message>
    <message>
        <source>Read the configuration of a supported device first! &quot;Write All&quot;</source>
        <translation>Zuerst die Konfiguration eines unterstützten Geräts lesen! &quot;Alle schreiben&quot;</translation>
    </message>
    <message>
        <source>Port not opened!</source>
        <translation>Port nicht geöffnet!</translation>
    </message>
    <message>
        <source>The device refused &quot;%1&quot;. %2 stopped.</source>
        <translation>Das Gerät hat &quot;%1&quot; abgelehnt. %2 abgebrochen.</translation>
    </message>
    <message>
        <source>The device did not answer &quot;%1&quot;. %2 stopped.</source>
        <translation>Das Gerät hat auf &quot;%1&quot; nicht geantwortet. %2 abgebrochen.</translation>
    </message>
    <message>
        <source>Serial Port is not open! &quot;Read&quot;</source>
        <translation>Serieller Port ist nicht offen! &quot;Lesen&quot;</translation>
    </message>
    <message>
        <source>Write command success!  </source>
        <translation>Schreibbefehl erfolgreich!  </translation>
    </message>
    <message>
        <source>MG Upgrade Failure!<byte value="xd"/>
The port was closed.</source>
        <translation>MG-Update fehlgeschlagen!<byte value="xd"/>
Der Port wurde geschlossen.</translation>
    </message>
    <message>
        <source>Write all configuration success!</source>
        <translation>Alle Einstellungen erfolgreich geschrieben!</translation>
    </message>
    <message>
        <source>Write All stopped: check the value on the &quot;%1&quot; page.</source>
        <translation>Alle schreiben abgebrochen: Wert auf der Seite &quot;%1&quot; prüfen.</translation>
    </message>
    <message>
        <source>Countdown finish. Read Configuration!</source>
        <translation>Countdown beendet. Konfiguration lesen!</translation>
    </message>
    <message>
        <source>Write All is still writing the device; wait until it has finished.</source>
        <translation>„Alle schreiben“ schreibt noch auf das Gerät; bitte warten, bis es fertig ist.</translation>
    </message>
    <message>
        <source>The device is being read back to check what was written; wait until it has finished.</source>
        <translation>Das Gerät wird zur Prüfung des Geschriebenen erneut gelesen; bitte warten, bis es fertig ist.</translation>
    </message>
</context>
<context>
    <name>SmsCodec</name>
    <message>
        <source>Min. %1 Max. %2-characters</source>
        <translation>Min. %1 Max. %2 Zeichen</translation>
    </message>
    <message>
        <source>Keyword length error!</source>
        <translation>Stichwort: Längenfehler!</translation>
    </message>
    <message>
        <source>SMS Keyword</source>
        <translation>SMS-Stichwort</translation>
    </message>
    <message>
        <source>Access Code</source>
        <translation>Zugangscode</translation>
    </message>
    <message>
        <source>Min. 4 Max. 8-characters</source>
        <translation>Min. 4 Max. 8 Zeichen</translation>
    </message>
    <message>
        <source>APN Name</source>
        <translation>APN-Name</translation>
    </message>
    <message>
        <source>APN User</source>
        <translation>APN-Benutzer</translation>
    </message>
    <message>
        <source>APN Password</source>
        <translation>APN-Passwort</translation>
    </message>
    <message>
        <source>XML User</source>
        <translation>XML-Benutzer</translation>
    </message>
    <message>
        <source>XML Password</source>
        <translation>XML-Passwort</translation>
    </message>
    <message>
        <source>Caller ID1</source>
        <translation>Anrufer-ID1</translation>
    </message>
    <message>
        <source>Caller ID2</source>
        <translation>Anrufer-ID2</translation>
    </message>
    <message>
        <source>Digits only !</source>
        <translation>Nur Ziffern !</translation>
    </message>
    <message>
        <source>Max. telephone number %1 digits !</source>
        <translation>Rufnummer max. %1 Ziffern !</translation>
    </message>
</context>
<context>
    <name>UnwrittenEdits</name>
    <message>
        <source>Changed here since the device was last read or written</source>
        <translation>Hier geändert seit dem letzten Lesen oder Schreiben des Geräts</translation>
    </message>
</context>
<context>
    <name>Velomi</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>A firmware upgrade is running. Closing now stops it, and the device may be left without working firmware.

Stop the upgrade and close?</source>
        <translation>Ein Firmware-Upgrade läuft. Schließen bricht es ab, und das Gerät bleibt eventuell ohne funktionierende Firmware.

Upgrade abbrechen und schließen?</translation>
    </message>
    <message>
        <source>&lt;h3&gt; Velomi PC Tool&lt;/h3&gt;%1</source>
        <translation>&lt;h3&gt; Velomi PC Tool&lt;/h3&gt;%1</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Backup saved: %1</source>
        <translation>Backup gespeichert: %1</translation>
    </message>
    <message>
        <source>%1

Go on without a backup?</source>
        <translation>%1

Ohne Backup fortfahren?</translation>
    </message>
    <message>
        <source>%1, %2: written &quot;%3&quot;, read back &quot;%4&quot;</source>
        <translation>%1, %2: geschrieben &quot;%3&quot;, zurückgelesen &quot;%4&quot;</translation>
    </message>
    <message>
        <source>The device holds what was written.</source>
        <translation>Das Gerät enthält, was geschrieben wurde.</translation>
    </message>
    <message>
        <source>Factory Reset sets every setting of the device back to its factory value. Reset the device?</source>
        <translation>Werksreset setzt jede Einstellung des Geräts auf ihren Werkswert zurück. Gerät zurücksetzen?</translation>
    </message>
    <message>
        <source>Write all config. ZAROrazram, APN, Report and Settings tabs. Are you sure?</source>
        <translation>Gesamte Konfiguration schreiben: Reiter ZAROrazram, APN, Meldung und Einstellungen. Sind Sie sicher?</translation>
    </message>
    <message>
        <source>Write all config. ZAROrazram, APN, Report, Geo-fence and Settings tabs. Are you sure?</source>
        <translation>Gesamte Konfiguration schreiben: Reiter ZAROrazram, APN, Meldung, Geofence und Einstellungen. Sind Sie sicher?</translation>
    </message>
    <message>
        <source>No backup can be made: nothing was read from the device since the port opened.</source>
        <translation>Kein Backup möglich: Seit dem Öffnen des Ports wurde nichts vom Gerät gelesen.</translation>
    </message>
    <message>
        <source>Velomi Tool</source>
        <translation>Velomi Tool</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>Images (*.*)</source>
        <translation>Images (*.*)</translation>
    </message>
    <message>
        <source>Compare with profile</source>
        <translation>Mit Profil vergleichen</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Systemstandard</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>The language changes when the tool is started again.</source>
        <translation>Die Sprache wechselt beim nächsten Start des Programms.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Device</source>
        <translation>&amp;Gerät</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>Restore backup...</source>
        <translation>Backup wiederherstellen...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Open port</source>
        <translation>Port ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Close port</source>
        <translation>Port &amp;schließen</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Lesen</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>&amp;Write All</source>
        <translation>&amp;Alle schreiben</translation>
    </message>
    <message>
        <source>Ctrl+W</source>
        <translation>Ctrl+W</translation>
    </message>
    <message>
        <source>Compare with profile...</source>
        <translation>Mit Profil vergleichen...</translation>
    </message>
    <message>
        <source>Profiles and backups (*.txt);;All files (*)</source>
        <translation>Profile und Backups (*.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The device was disconnected.
%1</source>
        <translation>Das Gerät wurde getrennt.
%1</translation>
    </message>
    <message>
        <source>The profile keeps these fields only up to their first &quot;:&quot;:
%1</source>
        <translation>Das Profil speichert diese Felder nur bis zum ersten &quot;:&quot;:
%1</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>ComPort: Disconnect ...</source>
        <translation>ComPort: Getrennt ...</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Emergency</source>
        <translation>Notfall</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Enable(Ring)</source>
        <translation>Ein(Klingeln)</translation>
    </message>
    <message>
        <source>Enable(Auto-Answer)</source>
        <translation>Ein(Auto-Annahme)</translation>
    </message>
    <message>
        <source>Close the window anyway? The changes are lost.</source>
        <translation>Fenster trotzdem schließen? Die Änderungen gehen verloren.</translation>
    </message>
    <message>
        <source>Cann&apos;t find default file!</source>
        <translation>Standarddatei nicht gefunden!</translation>
    </message>
    <message>
        <source>Cannot write the sensor list %1: %2</source>
        <translation>Sensorliste %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Write All</source>
        <translation>Alle schreiben</translation>
    </message>
    <message>
        <source>the Write button of the %1 page</source>
        <translation>Schreiben-Schaltfläche der Seite %1</translation>
    </message>
    <message>
        <source>The device does not hold every setting %1 wrote:
%2</source>
        <translation>Das Gerät enthält nicht jede Einstellung, die geschrieben wurde (%1):
%2</translation>
    </message>
    <message>
        <source>Undo read</source>
        <translation>Lesen rückgängig</translation>
    </message>
    <message>
        <source>Verify after writing</source>
        <translation>Nach dem Schreiben prüfen</translation>
    </message>
    <message>
        <source>Undo read waits until the device has answered.</source>
        <translation>„Lesen rückgängig“ wartet, bis das Gerät geantwortet hat.</translation>
    </message>
    <message>
        <source>The values the read replaced are back; they are not written to the device.</source>
        <translation>Die vom Lesen ersetzten Werte sind zurück; sie werden nicht ins Gerät geschrieben.</translation>
    </message>
    <message>
        <source>These pages hold changes that are not written to the device: %1.

%2</source>
        <translation>Diese Seiten enthalten Änderungen, die nicht ins Gerät geschrieben sind: %1.

%2</translation>
    </message>
    <message>
        <source>Device ID Length error!</source>
        <translation>Geräte-ID: Längenfehler!</translation>
    </message>
    <message>
        <source>Select delete device!</source>
        <translation>Zu löschendes Gerät wählen!</translation>
    </message>
    <message>
        <source>&lt;h2&gt; read file !&lt;/h2&gt;&lt;p&gt; cancel  timer stop !</source>
        <translation>&lt;h2&gt; Datei lesen !&lt;/h2&gt;&lt;p&gt; Abbruch  Timer gestoppt !</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>ComPort: Connected...</source>
        <translation>ComPort: Verbunden...</translation>
    </message>
    <message>
        <source>Close the port anyway?</source>
        <translation>Port trotzdem schließen?</translation>
    </message>
    <message>
        <source>ComPort: Disconnect...</source>
        <translation>ComPort: Getrennt...</translation>
    </message>
    <message>
        <source>Current Setting</source>
        <translation>Aktuelle Einstellung</translation>
    </message>
    <message>
        <source>Profile Manager</source>
        <translation>Profilverwaltung</translation>
    </message>
    <message>
        <source>Cann&apos;t find the default file !</source>
        <translation>Standarddatei nicht gefunden !</translation>
    </message>
    <message>
        <source>Cann&apos;t find the file ! <byte value="xd"/>
Please new Profile !</source>
        <translation>Datei nicht gefunden ! <byte value="xd"/>
Bitte neues Profil anlegen !</translation>
    </message>
    <message>
        <source>Save file success!</source>
        <translation>Datei erfolgreich gespeichert!</translation>
    </message>
    <message>
        <source>Export configuration sheet...</source>
        <translation>Konfigurationsblatt exportieren...</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>HTML (*.html *.htm)</source>
        <translation>HTML (*.html *.htm)</translation>
    </message>
    <message>
        <source>Export configuration sheet</source>
        <translation>Konfigurationsblatt exportieren</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drucken...</translation>
    </message>
    <message>
        <source>Configuration sheet</source>
        <translation>Konfigurationsblatt</translation>
    </message>
    <message>
        <source>The configuration sheet is written as PDF (.pdf) or HTML (.html), not as %1.</source>
        <translation>Das Konfigurationsblatt wird als PDF (.pdf) oder HTML (.html) geschrieben, nicht als %1.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Configuration sheet written to %1</source>
        <translation>Konfigurationsblatt nach %1 geschrieben</translation>
    </message>
    <message>
        <source>Save log...</source>
        <translation>Log speichern...</translation>
    </message>
    <message>
        <source>Save log</source>
        <translation>Log speichern</translation>
    </message>
    <message>
        <source>Text files (*.txt *.log);;All files (*)</source>
        <translation>Textdateien (*.txt *.log);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Keep a log file</source>
        <translation>Logdatei führen</translation>
    </message>
    <message>
        <source>Where is the manual?</source>
        <translation>Wo ist das Handbuch?</translation>
    </message>
    <message>
        <source>The manual comes as manual pages: &quot;man velomi&quot; for this window and &quot;man velomi-cli&quot; for the command line. README.md, which comes with the tool, gives the same in short.

Profiles: %1
Backups: %2
Log files: %3</source>
        <translation>Das Handbuch liegt als Manpages vor: &quot;man velomi&quot; für dieses Fenster und &quot;man velomi-cli&quot; für die Kommandozeile. README.md, das dem Tool beiliegt, enthält dasselbe in Kurzform.

Profile: %1
Backups: %2
Logdateien: %3</translation>
    </message>
    <message>
        <source>The log could not be saved to %1:
%2</source>
        <translation>Das Log konnte nicht unter %1 gespeichert werden:
%2</translation>
    </message>
    <message>
        <source>Log saved to %1</source>
        <translation>Log gespeichert unter %1</translation>
    </message>
    <message>
        <source>No log file is kept: the folder %1 cannot be made.</source>
        <translation>Es wird keine Logdatei geführt: Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>No log file is kept: %1 cannot be written:
%2</source>
        <translation>Es wird keine Logdatei geführt: %1 kann nicht geschrieben werden:
%2</translation>
    </message>
    <message>
        <source>The log file %1 could not be written and is no longer kept:
%2</source>
        <translation>Die Logdatei %1 konnte nicht geschrieben werden und wird nicht mehr geführt:
%2</translation>
    </message>
    <message>
        <source>Reconnect automatically</source>
        <translation>Automatisch neu verbinden</translation>
    </message>
    <message>
        <source>Waiting for the device to come back...</source>
        <translation>Warten, bis das Gerät zurück ist...</translation>
    </message>
    <message>
        <source>The device is back on %1.</source>
        <translation>Das Gerät ist wieder an %1.</translation>
    </message>
    <message>
        <source>The device did not come back within %1 seconds. Check its cable, then open the port again.</source>
        <translation>Das Gerät hat sich nicht innerhalb von %1 Sekunden zurückgemeldet. Kabel prüfen, dann den Port erneut öffnen.</translation>
    </message>
</context>
<context>
    <name>ZAROraz</name>
    <message>
        <source>Velomi Tool(T9_W5, T47, T41, T68) V0.38</source>
        <translation>Velomi Tool(T9_W5, T47, T41, T68) V0.38</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>Baudrate</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Daten</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Parität</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>FlowCtrl</source>
        <translation>Handshake</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Mobile</source>
        <translation>Mobil</translation>
    </message>
    <message>
        <source>Velomi</source>
        <translation>Velomi</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>New Profile</source>
        <translation>Neues Profil</translation>
    </message>
    <message>
        <source>Save Profile</source>
        <translation>Profil speichern</translation>
    </message>
    <message>
        <source>Save Profile As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Profile Manager</source>
        <translation>Profilverwaltung</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>Write All</source>
        <translation>Alle schreiben</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Befehl</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informationen</translation>
    </message>
    <message>
        <source>Software Version</source>
        <translation>Softwareversion</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>IMEI</source>
        <translation>IMEI</translation>
    </message>
    <message>
        <source>IMSI</source>
        <translation>IMSI</translation>
    </message>
    <message>
        <source>Telecom</source>
        <translation>Anbieter</translation>
    </message>
    <message>
        <source>APN</source>
        <translation>APN</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Packet Data Send &lt;bytes&gt;</source>
        <translation>Paketdaten gesendet &lt;bytes&gt;</translation>
    </message>
    <message>
        <source>Packet Data Receive &lt;bytes&gt;</source>
        <translation>Paketdaten empfangen &lt;bytes&gt;</translation>
    </message>
    <message>
        <source>Load Information</source>
        <translation>Informationen laden</translation>
    </message>
    <message>
        <source>SMS Program</source>
        <translation>SMS-Programm</translation>
    </message>
    <message>
        <source>SMS Keyword</source>
        <translation>SMS-Stichwort</translation>
    </message>
    <message>
        <source>KTVW</source>
        <translation>KTVW</translation>
    </message>
    <message>
        <source>Max 15 characters</source>
        <translation>Max. 15 Zeichen</translation>
    </message>
    <message>
        <source>Access Code</source>
        <translation>Zugangscode</translation>
    </message>
    <message>
        <source>4826</source>
        <translation>4826</translation>
    </message>
    <message>
        <source>4-8 digits</source>
        <translation>4-8 Ziffern</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>Save default</source>
        <translation>Standard speichern</translation>
    </message>
    <message>
        <source>Load default</source>
        <translation>Standard laden</translation>
    </message>
    <message>
        <source>APN Name</source>
        <translation>APN-Name</translation>
    </message>
    <message>
        <source>internet</source>
        <translation>internet</translation>
    </message>
    <message>
        <source>APN User</source>
        <translation>APN-Benutzer</translation>
    </message>
    <message>
        <source>APN Password</source>
        <translation>APN-Passwort</translation>
    </message>
    <message>
        <source>Mobility</source>
        <translation>Mobilität</translation>
    </message>
    <message>
        <source>Enable Inactivity Monitoring</source>
        <translation>Inaktivitätsüberwachung aktivieren</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Modus:</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervall</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Zeitplan</translation>
    </message>
    <message>
        <source>Inactivity Interval:</source>
        <translation>Inaktivitätsintervall:</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 Stunde</translation>
    </message>
    <message>
        <source>2 hours</source>
        <translation>2 Stunden</translation>
    </message>
    <message>
        <source>4 hours</source>
        <translation>4 Stunden</translation>
    </message>
    <message>
        <source>6 hours</source>
        <translation>6 Stunden</translation>
    </message>
    <message>
        <source>8 hours</source>
        <translation>8 Stunden</translation>
    </message>
    <message>
        <source>12 hours</source>
        <translation>12 Stunden</translation>
    </message>
    <message>
        <source>14 hours</source>
        <translation>14 Stunden</translation>
    </message>
    <message>
        <source>16 hours</source>
        <translation>16 Stunden</translation>
    </message>
    <message>
        <source>18 hours</source>
        <translation>18 Stunden</translation>
    </message>
    <message>
        <source>20 hours</source>
        <translation>20 Stunden</translation>
    </message>
    <message>
        <source>22 hours</source>
        <translation>22 Stunden</translation>
    </message>
    <message>
        <source>24 hours</source>
        <translation>24 Stunden</translation>
    </message>
    <message>
        <source>25 hours</source>
        <translation>25 Stunden</translation>
    </message>
    <message>
        <source>26 hours</source>
        <translation>26 Stunden</translation>
    </message>
    <message>
        <source>28 hours</source>
        <translation>28 Stunden</translation>
    </message>
    <message>
        <source>30 hours</source>
        <translation>30 Stunden</translation>
    </message>
    <message>
        <source>Warning Period:</source>
        <translation>Vorwarnzeit:</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>3 min</source>
        <translation>3 min</translation>
    </message>
    <message>
        <source>5 min</source>
        <translation>5 min</translation>
    </message>
    <message>
        <source>10 min</source>
        <translation>10 min</translation>
    </message>
    <message>
        <source>15 min</source>
        <translation>15 min</translation>
    </message>
    <message>
        <source>20 min</source>
        <translation>20 min</translation>
    </message>
    <message>
        <source>30 min</source>
        <translation>30 min</translation>
    </message>
    <message>
        <source>Start/End Action:</source>
        <translation>Aktion Start/Ende:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <source>Inactivity Schedule 1:</source>
        <translation>Inaktivität Zeitplan 1:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Von:</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <source>4</source>
        <translation>4</translation>
    </message>
    <message>
        <source>5</source>
        <translation>5</translation>
    </message>
    <message>
        <source>6</source>
        <translation>6</translation>
    </message>
    <message>
        <source>7</source>
        <translation>7</translation>
    </message>
    <message>
        <source>8</source>
        <translation>8</translation>
    </message>
    <message>
        <source>9</source>
        <translation>9</translation>
    </message>
    <message>
        <source>10</source>
        <translation>10</translation>
    </message>
    <message>
        <source>11</source>
        <translation>11</translation>
    </message>
    <message>
        <source>12</source>
        <translation>12</translation>
    </message>
    <message>
        <source>13</source>
        <translation>13</translation>
    </message>
    <message>
        <source>14</source>
        <translation>14</translation>
    </message>
    <message>
        <source>15</source>
        <translation>15</translation>
    </message>
    <message>
        <source>16</source>
        <translation>16</translation>
    </message>
    <message>
        <source>17</source>
        <translation>17</translation>
    </message>
    <message>
        <source>18</source>
        <translation>18</translation>
    </message>
    <message>
        <source>19</source>
        <translation>19</translation>
    </message>
    <message>
        <source>20</source>
        <translation>20</translation>
    </message>
    <message>
        <source>21</source>
        <translation>21</translation>
    </message>
    <message>
        <source>22</source>
        <translation>22</translation>
    </message>
    <message>
        <source>23</source>
        <translation>23</translation>
    </message>
    <message>
        <source>:</source>
        <translation>:</translation>
    </message>
    <message>
        <source>24</source>
        <translation>24</translation>
    </message>
    <message>
        <source>25</source>
        <translation>25</translation>
    </message>
    <message>
        <source>26</source>
        <translation>26</translation>
    </message>
    <message>
        <source>27</source>
        <translation>27</translation>
    </message>
    <message>
        <source>28</source>
        <translation>28</translation>
    </message>
    <message>
        <source>29</source>
        <translation>29</translation>
    </message>
    <message>
        <source>30</source>
        <translation>30</translation>
    </message>
    <message>
        <source>31</source>
        <translation>31</translation>
    </message>
    <message>
        <source>32</source>
        <translation>32</translation>
    </message>
    <message>
        <source>33</source>
        <translation>33</translation>
    </message>
    <message>
        <source>34</source>
        <translation>34</translation>
    </message>
    <message>
        <source>35</source>
        <translation>35</translation>
    </message>
    <message>
        <source>36</source>
        <translation>36</translation>
    </message>
    <message>
        <source>37</source>
        <translation>37</translation>
    </message>
    <message>
        <source>38</source>
        <translation>38</translation>
    </message>
    <message>
        <source>39</source>
        <translation>39</translation>
    </message>
    <message>
        <source>40</source>
        <translation>40</translation>
    </message>
    <message>
        <source>41</source>
        <translation>41</translation>
    </message>
    <message>
        <source>42</source>
        <translation>42</translation>
    </message>
    <message>
        <source>43</source>
        <translation>43</translation>
    </message>
    <message>
        <source>44</source>
        <translation>44</translation>
    </message>
    <message>
        <source>45</source>
        <translation>45</translation>
    </message>
    <message>
        <source>46</source>
        <translation>46</translation>
    </message>
    <message>
        <source>47</source>
        <translation>47</translation>
    </message>
    <message>
        <source>48</source>
        <translation>48</translation>
    </message>
    <message>
        <source>49</source>
        <translation>49</translation>
    </message>
    <message>
        <source>50</source>
        <translation>50</translation>
    </message>
    <message>
        <source>51</source>
        <translation>51</translation>
    </message>
    <message>
        <source>52</source>
        <translation>52</translation>
    </message>
    <message>
        <source>53</source>
        <translation>53</translation>
    </message>
    <message>
        <source>54</source>
        <translation>54</translation>
    </message>
    <message>
        <source>55</source>
        <translation>55</translation>
    </message>
    <message>
        <source>56</source>
        <translation>56</translation>
    </message>
    <message>
        <source>57</source>
        <translation>57</translation>
    </message>
    <message>
        <source>58</source>
        <translation>58</translation>
    </message>
    <message>
        <source>59</source>
        <translation>59</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Bis:</translation>
    </message>
    <message>
        <source>Interval:</source>
        <translation>Intervall:</translation>
    </message>
    <message>
        <source>Inactivity Schedule 2:</source>
        <translation>Inaktivität Zeitplan 2:</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>No:</source>
        <translation>Nr.:</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>  Event</source>
        <translation>  Ereignis</translation>
    </message>
    <message>
        <source>   Type</source>
        <translation>   Typ</translation>
    </message>
    <message>
        <source>Group1</source>
        <translation>Gruppe1</translation>
    </message>
    <message>
        <source>Group2</source>
        <translation>Gruppe2</translation>
    </message>
    <message>
        <source>Group3</source>
        <translation>Gruppe3</translation>
    </message>
    <message>
        <source>Group4</source>
        <translation>Gruppe4</translation>
    </message>
    <message>
        <source>Group5</source>
        <translation>Gruppe5</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Emergency</source>
        <translation>Notfall</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Report2</source>
        <translation>Meldung2</translation>
    </message>
    <message>
        <source>  Follow-on:  </source>
        <translation>  Folgeaktion:  </translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Voice, 2-way</source>
        <translation>Gegensprechen</translation>
    </message>
    <message>
        <source>Talk only</source>
        <translation>Nur sprechen</translation>
    </message>
    <message>
        <source>Listen-in only</source>
        <translation>Nur mithören</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>Warten</translation>
    </message>
    <message>
        <source>GSM On/Off Function</source>
        <translation>GSM Ein/Aus-Funktion</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>XML Function</source>
        <translation>XML-Funktion</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>Benutzer:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>Geo-fence</source>
        <translation>Geofence</translation>
    </message>
    <message>
        <source>No:1</source>
        <translation>Nr.:1</translation>
    </message>
    <message>
        <source>Geo-fence:</source>
        <translation>Geofence:</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Circle Range</source>
        <translation>Kreisbereich</translation>
    </message>
    <message>
        <source>Polygon Range</source>
        <translation>Polygonbereich</translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation>Breitengrad:</translation>
    </message>
    <message>
        <source>-90 ~ 90</source>
        <translation>-90 ~ 90</translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>Längengrad:</translation>
    </message>
    <message>
        <source>-180 ~ 180</source>
        <translation>-180 ~ 180</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation>Radius</translation>
    </message>
    <message>
        <source>200 ~ 10,000 Meters</source>
        <translation>200 ~ 10.000 Meter</translation>
    </message>
    <message>
        <source>Polygon Vertex Number:</source>
        <translation>Anzahl Polygonecken:</translation>
    </message>
    <message>
        <source>Latitude1:</source>
        <translation>Breitengrad1:</translation>
    </message>
    <message>
        <source>Longitude1:</source>
        <translation>Längengrad1:</translation>
    </message>
    <message>
        <source>Latitude2:</source>
        <translation>Breitengrad2:</translation>
    </message>
    <message>
        <source>Longitude2:</source>
        <translation>Längengrad2:</translation>
    </message>
    <message>
        <source>Latitude3:</source>
        <translation>Breitengrad3:</translation>
    </message>
    <message>
        <source>Longitude3:</source>
        <translation>Längengrad3:</translation>
    </message>
    <message>
        <source>Latitude4:</source>
        <translation>Breitengrad4:</translation>
    </message>
    <message>
        <source>Longitude4:</source>
        <translation>Längengrad4:</translation>
    </message>
    <message>
        <source>No:2</source>
        <translation>Nr.:2</translation>
    </message>
    <message>
        <source>No:3</source>
        <translation>Nr.:3</translation>
    </message>
    <message>
        <source>Forbidden Zones</source>
        <translation>Sperrzonen</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Guard Time</source>
        <translation>Voralarmzeit</translation>
    </message>
    <message>
        <source>5 sec</source>
        <translation>5 s</translation>
    </message>
    <message>
        <source>10 sec</source>
        <translation>10 s</translation>
    </message>
    <message>
        <source>15 sec</source>
        <translation>15 s</translation>
    </message>
    <message>
        <source>20 sec</source>
        <translation>20 s</translation>
    </message>
    <message>
        <source>25 sec</source>
        <translation>25 s</translation>
    </message>
    <message>
        <source>30 sec</source>
        <translation>30 s</translation>
    </message>
    <message>
        <source>Guard Time Fall Sesor</source>
        <translation>Voralarmzeit Sturzsensor</translation>
    </message>
    <message>
        <source>Fall Detection</source>
        <translation>Sturzerkennung</translation>
    </message>
    <message>
        <source>Fall Sensor Sensitivity</source>
        <translation>Empfindlichkeit Sturzsensor</translation>
    </message>
    <message>
        <source>Mobile Fall Detection Sensitivity</source>
        <translation>Empfindl. Sturzerkennung mobil</translation>
    </message>
    <message>
        <source>Auto Check-in Interval</source>
        <translation>Routineruf-Intervall</translation>
    </message>
    <message>
        <source>2 hour</source>
        <translation>2 Stunden</translation>
    </message>
    <message>
        <source>4 hour</source>
        <translation>4 Stunden</translation>
    </message>
    <message>
        <source>6 hour</source>
        <translation>6 Stunden</translation>
    </message>
    <message>
        <source>8 hour</source>
        <translation>8 Stunden</translation>
    </message>
    <message>
        <source>12 hour</source>
        <translation>12 Stunden</translation>
    </message>
    <message>
        <source>1 day</source>
        <translation>1 Tag</translation>
    </message>
    <message>
        <source>2 day</source>
        <translation>2 Tage</translation>
    </message>
    <message>
        <source>3 day</source>
        <translation>3 Tage</translation>
    </message>
    <message>
        <source>4 day</source>
        <translation>4 Tage</translation>
    </message>
    <message>
        <source>5 day</source>
        <translation>5 Tage</translation>
    </message>
    <message>
        <source>6 day</source>
        <translation>6 Tage</translation>
    </message>
    <message>
        <source>7 day</source>
        <translation>7 Tage</translation>
    </message>
    <message>
        <source>15 day</source>
        <translation>15 Tage</translation>
    </message>
    <message>
        <source>30 day</source>
        <translation>30 Tage</translation>
    </message>
    <message>
        <source>Auto Check-in Offset</source>
        <translation>Routineruf-Versatz</translation>
    </message>
    <message>
        <source>Supervision Timer</source>
        <translation>Überwachungszeit</translation>
    </message>
    <message>
        <source>10 day</source>
        <translation>10 Tage</translation>
    </message>
    <message>
        <source>Alarm &amp; Continuous GPS </source>
        <translation>Alarm &amp; Dauer-GPS </translation>
    </message>
    <message>
        <source>Sleep Mode</source>
        <translation>Schlafmodus</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Französisch</translation>
    </message>
    <message>
        <source>Callback Check Access code</source>
        <translation>Rückruf: Zugangscode prüfen</translation>
    </message>
    <message>
        <source>Press sensor button to end call</source>
        <translation>Anruf per Sensortaste beenden</translation>
    </message>
    <message>
        <source>Help Event</source>
        <translation>Hilfe-Ereignis</translation>
    </message>
    <message>
        <source>Medical(100)</source>
        <translation>Medizinisch(100)</translation>
    </message>
    <message>
        <source>Emergency (101)</source>
        <translation>Notfall (101)</translation>
    </message>
    <message>
        <source>Panic (120)</source>
        <translation>Panik (120)</translation>
    </message>
    <message>
        <source>Speech Report Ack</source>
        <translation>Quittung Sprachmeldung</translation>
    </message>
    <message>
        <source>Off Hook</source>
        <translation>Abheben</translation>
    </message>
    <message>
        <source>Any DTMF</source>
        <translation>Jede DTMF</translation>
    </message>
    <message>
        <source>Answer Incoming Call</source>
        <translation>Anrufannahme</translation>
    </message>
    <message>
        <source>Incoming Call
 Check Access code</source>
        <translation>Eingehender Anruf
 Zugangscode prüfen</translation>
    </message>
    <message>
        <source>Two-way Timer</source>
        <translation>Gegensprech-Timer</translation>
    </message>
    <message>
        <source>1 min</source>
        <translation>1 min</translation>
    </message>
    <message>
        <source>2 min</source>
        <translation>2 min</translation>
    </message>
    <message>
        <source>4 min</source>
        <translation>4 min</translation>
    </message>
    <message>
        <source>6 min</source>
        <translation>6 min</translation>
    </message>
    <message>
        <source>7 min</source>
        <translation>7 min</translation>
    </message>
    <message>
        <source>8 min</source>
        <translation>8 min</translation>
    </message>
    <message>
        <source>9 min</source>
        <translation>9 min</translation>
    </message>
    <message>
        <source>11 min</source>
        <translation>11 min</translation>
    </message>
    <message>
        <source>12 min</source>
        <translation>12 min</translation>
    </message>
    <message>
        <source>13 min</source>
        <translation>13 min</translation>
    </message>
    <message>
        <source>14 min</source>
        <translation>14 min</translation>
    </message>
    <message>
        <source>16 min</source>
        <translation>16 min</translation>
    </message>
    <message>
        <source>17 min</source>
        <translation>17 min</translation>
    </message>
    <message>
        <source>18 min</source>
        <translation>18 min</translation>
    </message>
    <message>
        <source>19 min</source>
        <translation>19 min</translation>
    </message>
    <message>
        <source>21 min</source>
        <translation>21 min</translation>
    </message>
    <message>
        <source>22 min</source>
        <translation>22 min</translation>
    </message>
    <message>
        <source>23 min</source>
        <translation>23 min</translation>
    </message>
    <message>
        <source>24 min</source>
        <translation>24 min</translation>
    </message>
    <message>
        <source>25 min</source>
        <translation>25 min</translation>
    </message>
    <message>
        <source>26 min</source>
        <translation>26 min</translation>
    </message>
    <message>
        <source>27 min</source>
        <translation>27 min</translation>
    </message>
    <message>
        <source>28 min</source>
        <translation>28 min</translation>
    </message>
    <message>
        <source>29 min</source>
        <translation>29 min</translation>
    </message>
    <message>
        <source>60 min</source>
        <translation>60 min</translation>
    </message>
    <message>
        <source>90 min</source>
        <translation>90 min</translation>
    </message>
    <message>
        <source>Callback Timer</source>
        <translation>Rückruf-Timer</translation>
    </message>
    <message>
        <source>120 min</source>
        <translation>120 min</translation>
    </message>
    <message>
        <source>Speaker volume level</source>
        <translation>Lautsprecherlautstärke</translation>
    </message>
    <message>
        <source>Mobile Silent</source>
        <translation>Mobil lautlos</translation>
    </message>
    <message>
        <source>Guard Time Sound</source>
        <translation>Voralarmzeit-Ton</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Confirmation Sound</source>
        <translation>Bestätigungston</translation>
    </message>
    <message>
        <source>Voice Prompt</source>
        <translation>Sprachansage</translation>
    </message>
    <message>
        <source>Type 1: call progress messages</source>
        <translation>Typ 1: Ansagen zum Rufverlauf</translation>
    </message>
    <message>
        <source>Type 2: GSM signail  messages</source>
        <translation>Typ 2: Ansagen zum  GSM-Signal</translation>
    </message>
    <message>
        <source>Type 3: battery ( status ) progress messages</source>
        <translation>Typ 3: Ansagen zum Akku ( Status )</translation>
    </message>
    <message>
        <source>Type 4: battery power percentage messages</source>
        <translation>Typ 4: Ansagen zum Akkustand in Prozent</translation>
    </message>
    <message>
        <source>GPS Tracker Report</source>
        <translation>GPS-Tracker-Meldung</translation>
    </message>
    <message>
        <source>Use Last Position</source>
        <translation>Letzte Position nutzen</translation>
    </message>
    <message>
        <source>AGPS</source>
        <translation>AGPS</translation>
    </message>
    <message>
        <source>Caller ID1</source>
        <translation>Anrufer-ID1</translation>
    </message>
    <message>
        <source>Caller ID2</source>
        <translation>Anrufer-ID2</translation>
    </message>
    <message>
        <source>Geofence Alert and Continuous GPS report: </source>
        <translation>Geofence-Alarm und Dauer-GPS-Meldung: </translation>
    </message>
    <message>
        <source>Report period</source>
        <translation>Meldedauer</translation>
    </message>
    <message>
        <source>3 hours</source>
        <translation>3 Stunden</translation>
    </message>
    <message>
        <source>5 hours</source>
        <translation>5 Stunden</translation>
    </message>
    <message>
        <source>Report interval timer</source>
        <translation>Meldeintervall</translation>
    </message>
    <message>
        <source>31 min</source>
        <translation>31 min</translation>
    </message>
    <message>
        <source>32 min</source>
        <translation>32 min</translation>
    </message>
    <message>
        <source>33 min</source>
        <translation>33 min</translation>
    </message>
    <message>
        <source>34 min</source>
        <translation>34 min</translation>
    </message>
    <message>
        <source>35 min</source>
        <translation>35 min</translation>
    </message>
    <message>
        <source>36 min</source>
        <translation>36 min</translation>
    </message>
    <message>
        <source>37 min</source>
        <translation>37 min</translation>
    </message>
    <message>
        <source>38 min</source>
        <translation>38 min</translation>
    </message>
    <message>
        <source>39 min</source>
        <translation>39 min</translation>
    </message>
    <message>
        <source>40 min</source>
        <translation>40 min</translation>
    </message>
    <message>
        <source>41 min</source>
        <translation>41 min</translation>
    </message>
    <message>
        <source>42 min</source>
        <translation>42 min</translation>
    </message>
    <message>
        <source>43 min</source>
        <translation>43 min</translation>
    </message>
    <message>
        <source>44 min</source>
        <translation>44 min</translation>
    </message>
    <message>
        <source>45 min</source>
        <translation>45 min</translation>
    </message>
    <message>
        <source>46 min</source>
        <translation>46 min</translation>
    </message>
    <message>
        <source>47 min</source>
        <translation>47 min</translation>
    </message>
    <message>
        <source>48 min</source>
        <translation>48 min</translation>
    </message>
    <message>
        <source>49 min</source>
        <translation>49 min</translation>
    </message>
    <message>
        <source>50 min</source>
        <translation>50 min</translation>
    </message>
    <message>
        <source>51 min</source>
        <translation>51 min</translation>
    </message>
    <message>
        <source>52 min</source>
        <translation>52 min</translation>
    </message>
    <message>
        <source>53 min</source>
        <translation>53 min</translation>
    </message>
    <message>
        <source>54 min</source>
        <translation>54 min</translation>
    </message>
    <message>
        <source>55 min</source>
        <translation>55 min</translation>
    </message>
    <message>
        <source>56 min</source>
        <translation>56 min</translation>
    </message>
    <message>
        <source>57 min</source>
        <translation>57 min</translation>
    </message>
    <message>
        <source>58 min</source>
        <translation>58 min</translation>
    </message>
    <message>
        <source>59 min</source>
        <translation>59 min</translation>
    </message>
    <message>
        <source>Settings2</source>
        <translation>Einstellungen2</translation>
    </message>
    <message>
        <source>Two way volume level</source>
        <translation>Gegensprech-Lautstärke</translation>
    </message>
    <message>
        <source>Test Mode timeout</source>
        <translation>Testmodus-Timeout</translation>
    </message>
    <message>
        <source>Supervision Timer Repeated</source>
        <translation>Überwachungszeit wiederholt</translation>
    </message>
    <message>
        <source>1 week</source>
        <translation>1 Woche</translation>
    </message>
    <message>
        <source>Cell Locate</source>
        <translation>Zellortung</translation>
    </message>
    <message>
        <source>Reporting Mode</source>
        <translation>Meldemodus</translation>
    </message>
    <message>
        <source>Indoor</source>
        <translation>Innen</translation>
    </message>
    <message>
        <source>Outdoor</source>
        <translation>Außen</translation>
    </message>
    <message>
        <source>GSM Power down(GSMSD)</source>
        <translation>GSM abschalten(GSMSD)</translation>
    </message>
    <message>
        <source>RF Device Ignore</source>
        <translation>Funkmelder ignorieren</translation>
    </message>
    <message>
        <source>RF Device GPS Action</source>
        <translation>Funkmelder GPS-Aktion</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>Device Type</source>
        <translation>Gerätetyp</translation>
    </message>
    <message>
        <source>Add Sensor</source>
        <translation>Neuer Sensor</translation>
    </message>
    <message>
        <source>Delete Sensor</source>
        <translation>Sensor löschen</translation>
    </message>
    <message>
        <source>Misc.</source>
        <translation>Sonst.</translation>
    </message>
    <message>
        <source>Scream duration</source>
        <translation>Sirenendauer</translation>
    </message>
    <message>
        <source>6 sec</source>
        <translation>6 s</translation>
    </message>
    <message>
        <source>7 sec</source>
        <translation>7 s</translation>
    </message>
    <message>
        <source>8 sec</source>
        <translation>8 s</translation>
    </message>
    <message>
        <source>9 sec</source>
        <translation>9 s</translation>
    </message>
    <message>
        <source>11 sec</source>
        <translation>11 s</translation>
    </message>
    <message>
        <source>12 sec</source>
        <translation>12 s</translation>
    </message>
    <message>
        <source>13 sec</source>
        <translation>13 s</translation>
    </message>
    <message>
        <source>14 sec</source>
        <translation>14 s</translation>
    </message>
    <message>
        <source>16 sec</source>
        <translation>16 s</translation>
    </message>
    <message>
        <source>17 sec</source>
        <translation>17 s</translation>
    </message>
    <message>
        <source>18 sec</source>
        <translation>18 s</translation>
    </message>
    <message>
        <source>19 sec</source>
        <translation>19 s</translation>
    </message>
    <message>
        <source>21 sec</source>
        <translation>21 s</translation>
    </message>
    <message>
        <source>22 sec</source>
        <translation>22 s</translation>
    </message>
    <message>
        <source>23 sec</source>
        <translation>23 s</translation>
    </message>
    <message>
        <source>24 sec</source>
        <translation>24 s</translation>
    </message>
    <message>
        <source>26 sec</source>
        <translation>26 s</translation>
    </message>
    <message>
        <source>27 sec</source>
        <translation>27 s</translation>
    </message>
    <message>
        <source>28 sec</source>
        <translation>28 s</translation>
    </message>
    <message>
        <source>29 sec</source>
        <translation>29 s</translation>
    </message>
    <message>
        <source>31 sec</source>
        <translation>31 s</translation>
    </message>
    <message>
        <source>32 sec</source>
        <translation>32 s</translation>
    </message>
    <message>
        <source>33 sec</source>
        <translation>33 s</translation>
    </message>
    <message>
        <source>34 sec</source>
        <translation>34 s</translation>
    </message>
    <message>
        <source>35 sec</source>
        <translation>35 s</translation>
    </message>
    <message>
        <source>36 sec</source>
        <translation>36 s</translation>
    </message>
    <message>
        <source>37 sec</source>
        <translation>37 s</translation>
    </message>
    <message>
        <source>38 sec</source>
        <translation>38 s</translation>
    </message>
    <message>
        <source>39 sec</source>
        <translation>39 s</translation>
    </message>
    <message>
        <source>40 sec</source>
        <translation>40 s</translation>
    </message>
    <message>
        <source>41 sec</source>
        <translation>41 s</translation>
    </message>
    <message>
        <source>42 sec</source>
        <translation>42 s</translation>
    </message>
    <message>
        <source>43 sec</source>
        <translation>43 s</translation>
    </message>
    <message>
        <source>44 sec</source>
        <translation>44 s</translation>
    </message>
    <message>
        <source>45 sec</source>
        <translation>45 s</translation>
    </message>
    <message>
        <source>46 sec</source>
        <translation>46 s</translation>
    </message>
    <message>
        <source>47 sec</source>
        <translation>47 s</translation>
    </message>
    <message>
        <source>48 sec</source>
        <translation>48 s</translation>
    </message>
    <message>
        <source>49 sec</source>
        <translation>49 s</translation>
    </message>
    <message>
        <source>50 sec</source>
        <translation>50 s</translation>
    </message>
    <message>
        <source>51 sec</source>
        <translation>51 s</translation>
    </message>
    <message>
        <source>52 sec</source>
        <translation>52 s</translation>
    </message>
    <message>
        <source>53 sec</source>
        <translation>53 s</translation>
    </message>
    <message>
        <source>54 sec</source>
        <translation>54 s</translation>
    </message>
    <message>
        <source>55 sec</source>
        <translation>55 s</translation>
    </message>
    <message>
        <source>56 sec</source>
        <translation>56 s</translation>
    </message>
    <message>
        <source>57 sec</source>
        <translation>57 s</translation>
    </message>
    <message>
        <source>58 sec</source>
        <translation>58 s</translation>
    </message>
    <message>
        <source>59 sec</source>
        <translation>59 s</translation>
    </message>
    <message>
        <source>60 sec</source>
        <translation>60 s</translation>
    </message>
    <message>
        <source>Scream</source>
        <translation>Sirene</translation>
    </message>
    <message>
        <source>Debug Disable</source>
        <translation>Debug aus</translation>
    </message>
    <message>
        <source>Debug Enable1</source>
        <translation>Debug ein1</translation>
    </message>
    <message>
        <source>Debug Enable2</source>
        <translation>Debug ein2</translation>
    </message>
    <message>
        <source>Signal Strength</source>
        <translation>Signalstärke</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Reboot Device</source>
        <translation>Geräteneustart</translation>
    </message>
    <message>
        <source>Reboot GSM</source>
        <translation>GSM-Neustart</translation>
    </message>
    <message>
        <source>Factory Reset</source>
        <translation>Werksreset</translation>
    </message>
    <message>
        <source> OMADM FOTA start</source>
        <translation> OMADM FOTA Start</translation>
    </message>
    <message>
        <source> OMADM FOTA end</source>
        <translation> OMADM FOTA Ende</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Firmware File CRC</source>
        <translation>CRC Firmware-Datei</translation>
    </message>
    <message>
        <source>0000</source>
        <translation>0000</translation>
    </message>
    <message>
        <source>FW File Length</source>
        <translation>FW-Dateilänge</translation>
    </message>
    <message>
        <source>Total Uprade Error</source>
        <translation>Upgrade-Fehler gesamt</translation>
    </message>
    <message>
        <source>Timer:</source>
        <translation>Timer:</translation>
    </message>
    <message>
        <source>80</source>
        <translation>80</translation>
    </message>
    <message>
        <source>100</source>
        <translation>100</translation>
    </message>
    <message>
        <source>200</source>
        <translation>200</translation>
    </message>
    <message>
        <source>300</source>
        <translation>300</translation>
    </message>
    <message>
        <source>400</source>
        <translation>400</translation>
    </message>
    <message>
        <source>500</source>
        <translation>500</translation>
    </message>
    <message>
        <source>milliseconds</source>
        <translation>Millisekunden</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Zeit:</translation>
    </message>
    <message>
        <source>AT!XUPGRADE</source>
        <translation>AT!XUPGRADE</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>From minute</source>
        <translation>Ab Minute</translation>
    </message>
    <message>
        <source>To minute</source>
        <translation>Bis Minute</translation>
    </message>
    <message>
        <source>Destination 1</source>
        <translation>Ziel 1</translation>
    </message>
    <message>
        <source>Event 1</source>
        <translation>Ereignis 1</translation>
    </message>
    <message>
        <source>Type 1</source>
        <translation>Typ 1</translation>
    </message>
    <message>
        <source>Destination 1, Group 1</source>
        <translation>Ziel 1, Gruppe 1</translation>
    </message>
    <message>
        <source>Destination 1, Group 2</source>
        <translation>Ziel 1, Gruppe 2</translation>
    </message>
    <message>
        <source>Destination 1, Group 3</source>
        <translation>Ziel 1, Gruppe 3</translation>
    </message>
    <message>
        <source>Destination 1, Group 4</source>
        <translation>Ziel 1, Gruppe 4</translation>
    </message>
    <message>
        <source>Destination 1, Group 5</source>
        <translation>Ziel 1, Gruppe 5</translation>
    </message>
    <message>
        <source>Destination 2</source>
        <translation>Ziel 2</translation>
    </message>
    <message>
        <source>Event 2</source>
        <translation>Ereignis 2</translation>
    </message>
    <message>
        <source>Type 2</source>
        <translation>Typ 2</translation>
    </message>
    <message>
        <source>Destination 2, Group 1</source>
        <translation>Ziel 2, Gruppe 1</translation>
    </message>
    <message>
        <source>Destination 2, Group 2</source>
        <translation>Ziel 2, Gruppe 2</translation>
    </message>
    <message>
        <source>Destination 2, Group 3</source>
        <translation>Ziel 2, Gruppe 3</translation>
    </message>
    <message>
        <source>Destination 2, Group 4</source>
        <translation>Ziel 2, Gruppe 4</translation>
    </message>
    <message>
        <source>Destination 2, Group 5</source>
        <translation>Ziel 2, Gruppe 5</translation>
    </message>
    <message>
        <source>Destination 3</source>
        <translation>Ziel 3</translation>
    </message>
    <message>
        <source>Event 3</source>
        <translation>Ereignis 3</translation>
    </message>
    <message>
        <source>Type 3</source>
        <translation>Typ 3</translation>
    </message>
    <message>
        <source>Destination 3, Group 1</source>
        <translation>Ziel 3, Gruppe 1</translation>
    </message>
    <message>
        <source>Destination 3, Group 2</source>
        <translation>Ziel 3, Gruppe 2</translation>
    </message>
    <message>
        <source>Destination 3, Group 3</source>
        <translation>Ziel 3, Gruppe 3</translation>
    </message>
    <message>
        <source>Destination 3, Group 4</source>
        <translation>Ziel 3, Gruppe 4</translation>
    </message>
    <message>
        <source>Destination 3, Group 5</source>
        <translation>Ziel 3, Gruppe 5</translation>
    </message>
    <message>
        <source>Destination 4</source>
        <translation>Ziel 4</translation>
    </message>
    <message>
        <source>Event 4</source>
        <translation>Ereignis 4</translation>
    </message>
    <message>
        <source>Type 4</source>
        <translation>Typ 4</translation>
    </message>
    <message>
        <source>Destination 4, Group 1</source>
        <translation>Ziel 4, Gruppe 1</translation>
    </message>
    <message>
        <source>Destination 4, Group 2</source>
        <translation>Ziel 4, Gruppe 2</translation>
    </message>
    <message>
        <source>Destination 4, Group 3</source>
        <translation>Ziel 4, Gruppe 3</translation>
    </message>
    <message>
        <source>Destination 4, Group 4</source>
        <translation>Ziel 4, Gruppe 4</translation>
    </message>
    <message>
        <source>Destination 4, Group 5</source>
        <translation>Ziel 4, Gruppe 5</translation>
    </message>
    <message>
        <source>Destination 5</source>
        <translation>Ziel 5</translation>
    </message>
    <message>
        <source>Event 5</source>
        <translation>Ereignis 5</translation>
    </message>
    <message>
        <source>Type 5</source>
        <translation>Typ 5</translation>
    </message>
    <message>
        <source>Destination 5, Group 1</source>
        <translation>Ziel 5, Gruppe 1</translation>
    </message>
    <message>
        <source>Destination 5, Group 2</source>
        <translation>Ziel 5, Gruppe 2</translation>
    </message>
    <message>
        <source>Destination 5, Group 3</source>
        <translation>Ziel 5, Gruppe 3</translation>
    </message>
    <message>
        <source>Destination 5, Group 4</source>
        <translation>Ziel 5, Gruppe 4</translation>
    </message>
    <message>
        <source>Destination 5, Group 5</source>
        <translation>Ziel 5, Gruppe 5</translation>
    </message>
    <message>
        <source>Follow-on 2</source>
        <translation>Folgeaktion 2</translation>
    </message>
    <message>
        <source>Follow-on 3</source>
        <translation>Folgeaktion 3</translation>
    </message>
    <message>
        <source>Follow-on 4</source>
        <translation>Folgeaktion 4</translation>
    </message>
    <message>
        <source>Follow-on 5</source>
        <translation>Folgeaktion 5</translation>
    </message>
    <message>
        <source>Follow-on 6</source>
        <translation>Folgeaktion 6</translation>
    </message>
    <message>
        <source>Geo-fence 1</source>
        <translation>Geofence 1</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Kreis</translation>
    </message>
    <message>
        <source>Polygon</source>
        <translation>Polygon</translation>
    </message>
    <message>
        <source>Geo-fence 2</source>
        <translation>Geofence 2</translation>
    </message>
    <message>
        <source>Geo-fence 3</source>
        <translation>Geofence 3</translation>
    </message>
    <message>
        <source>Alarm &amp; Continuous GPS</source>
        <translation>Alarm &amp; Dauer-GPS</translation>
    </message>
    <message>
        <source>Debug level</source>
        <translation>Debug-Stufe</translation>
    </message>
</context>
</TS>
