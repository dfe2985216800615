<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Acknowledgement</name>
    <message>
        <source>Add Device command success!  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Device command success!  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reboot Device OK, please wait 30 seconds!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reboot GSM OK, please wait 30 seconds!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Factory Reset OK, please wait 30 seconds!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Factory Mode OK!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write command error! Check your Latitude &quot;and&quot; &quot;Longitude&quot; value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write command error!  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geo-fence:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forbidden-zone:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write command success!  </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AddSensorDialog</name>
    <message>
        <source>Add Sensor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensor ID( HEX. )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CompareDialog</name>
    <message>
        <source>Show equal settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare with profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds what the pages hold.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 setting of %1 differs from the pages.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 settings of %2 differ from the pages.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConfigSheet</name>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report destinations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destination</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geo-fences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Centre or vertices (latitude, longitude)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radius (m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tool version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model and version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IMEI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paired sensors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No sensor is paired.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DifferenceList</name>
    <message>
        <source>Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FirmwareUpgrade</name>
    <message>
        <source>&lt;h2&gt; Read file !&lt;/h2&gt;&lt;p&gt; </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File too large! %1 bytes, at most %2 bytes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open the file!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Length Error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port not opened!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upgrade error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upgrade File Length Error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MG Upgrade Finish. Please wait 30 seconds!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MG Upgrade Failure!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MG Upgrade Failure!<byte value="xd"/>
The device stopped answering for %1 seconds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total elapsed timer %1:%2 </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Frame</name>
    <message>
        <source>%1 may not contain &quot;,&quot;, &quot;;&quot; or control characters!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GeoFenceCodec</name>
    <message>
        <source>Max 10000 Meters!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min 200 Meters!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Digits only!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decimal six!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geo-fence idx error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Positive number only!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version T37, T6_QX, T6_QX_P9, T35, T9 or T2 ?? GeoFence Format Error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forbidden-zone:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geo-fence:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InactivityCodec</name>
    <message>
        <source>para0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>para1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>para2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LogPane</name>
    <message>
        <source>[... %1 characters of older log dropped ...]</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ManageSerialPort</name>
    <message>
        <source>The port is already open</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OpenFailure</name>
    <message>
        <source>%1 (pid %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If no other program is using the port, your user may lack access to serial ports: sudo usermod -aG dialout $USER, then log in again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another program is using the port; close it and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only the port&apos;s owner may open it. Install the tool&apos;s udev rule (README, Troubleshooting) so the logged-in user may open it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The port belongs to group %1; you were added to it after this session started. Log out and log in again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The port belongs to group %1; you are not in it. Run: sudo usermod -aG %1 $USER, then log in again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t open %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The port is held by %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ModemManager takes this port for a modem. Stop it while you work (sudo systemctl stop ModemManager) or install the tool&apos;s udev rule, which tells ModemManager to leave the device alone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The braille driver brltty takes some USB serial adapters. If you use no braille display, remove it (sudo apt remove brltty) or disable its udev rules (sudo systemctl mask brltty-udev.service), then plug the device in again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PortNames</name>
    <message>
        <source>Description: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manufacturer: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial number: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USB ID: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By id: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProfileDialog</name>
    <message>
        <source>Profile Manager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile List:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Module</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Module:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
Profile:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to delete <byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
Are you sure? <byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete <byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
 failed !<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
 success !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 could not be opened in the file manager.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProfileNameDialog</name>
    <message>
        <source>New Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Profile name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File name has been used!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Profile As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Profile As ...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Cannot read %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is too large for a profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a profile: no line names a setting of the pages.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportCodec</name>
    <message>
        <source>Report idx error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report destination %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RestoreBackupDialog</name>
    <message>
        <source>Load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reason</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter by device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Device:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backups in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no backups yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No backup of such a device.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pages hold what this backup holds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 setting differs from the pages.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 settings differ from the pages.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SensorCodec</name>
    <message>
        <source>Velomi Tool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device type str is NULL ! Please read again !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensor ID error!(format1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensor ID error!(format2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Read configuration success!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T9_W5 or T47 or T41 or T68 only!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geo fence:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read stopped: the answer to &quot;RPT?:%1&quot; names no destination.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensor list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial Port is not open! &quot;Write All&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read the configuration of a supported device first! &quot;Write All&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port not opened!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The device refused &quot;%1&quot;. %2 stopped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The device did not answer &quot;%1&quot;. %2 stopped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial Port is not open! &quot;Read&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write command success!  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MG Upgrade Failure!<byte value="xd"/>
The port was closed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write all configuration success!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write All stopped: check the value on the &quot;%1&quot; page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Countdown finish. Read Configuration!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SmsCodec</name>
    <message>
        <source>Min. %1 Max. %2-characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyword length error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMS Keyword</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Access Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min. 4 Max. 8-characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>APN Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>APN User</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>APN Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>XML User</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>XML Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Caller ID1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Caller ID2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Digits only !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max. telephone number %1 digits !</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UnwrittenEdits</name>
    <message>
        <source>Changed here since the device was last read or written</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Velomi</name>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A firmware upgrade is running. Closing now stops it, and the device may be left without working firmware.

Stop the upgrade and close?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;h3&gt; Velomi PC Tool&lt;/h3&gt;%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1

Go on without a backup?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2: written &quot;%3&quot;, read back &quot;%4&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The device holds what was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Factory Reset sets every setting of the device back to its factory value. Reset the device?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write all config. ZAROrazram, APN, Report and Settings tabs. Are you sure?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write all config. ZAROrazram, APN, Report, Geo-fence and Settings tabs. Are you sure?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No backup can be made: nothing was read from the device since the port opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velomi Tool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Images (*.*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare with profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The language changes when the tool is started again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore backup...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Write All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare with profile...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profiles and backups (*.txt);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The device was disconnected.
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The profile keeps these fields only up to their first &quot;:&quot;:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ComPort: Disconnect ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Emergency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable(Ring)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable(Auto-Answer)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the window anyway? The changes are lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cann&apos;t find default file!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write the sensor list %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the Write button of the %1 page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The device does not hold every setting %1 wrote:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verify after writing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo read waits until the device has answered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The values the read replaced are back; they are not written to the device.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These pages hold changes that are not written to the device: %1.

%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device ID Length error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select delete device!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;h2&gt; read file !&lt;/h2&gt;&lt;p&gt; cancel  timer stop !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ComPort: Connected...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the port anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ComPort: Disconnect...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile Manager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cann&apos;t find the default file !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cann&apos;t find the file ! <byte value="xd"/>
Please new Profile !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save file success!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export configuration sheet...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTML (*.html *.htm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export configuration sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The configuration sheet is written as PDF (.pdf) or HTML (.html), not as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration sheet written to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save log...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text files (*.txt *.log);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep a log file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where is the manual?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The manual comes as manual pages: &quot;man velomi&quot; for this window and &quot;man velomi-cli&quot; for the command line. README.md, which comes with the tool, gives the same in short.

Profiles: %1
Backups: %2
Log files: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The log could not be saved to %1:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log saved to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No log file is kept: the folder %1 cannot be made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No log file is kept: %1 cannot be written:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The log file %1 could not be written and is no longer kept:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reconnect automatically</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for the device to come back...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The device is back on %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The device did not come back within %1 seconds. Check its cable, then open the port again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZAROraz</name>
    <message>
        <source>Velomi Tool(T9_W5, T47, T41, T68) V0.38</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FlowCtrl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mobile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velomi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Profile As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile Manager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Software Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IMEI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IMSI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Telecom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>APN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Packet Data Send &lt;bytes&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Packet Data Receive &lt;bytes&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMS Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMS Keyword</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KTVW</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max 15 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Access Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4826</source>
        <translation>4826</translation>
    </message>
    <message>
        <source>4-8 digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>APN Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>internet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>APN User</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>APN Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mobility</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable Inactivity Monitoring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inactivity Interval:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4 hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6 hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8 hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12 hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>14 hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>16 hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>18 hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>20 hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>22 hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>24 hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>25 hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>26 hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>28 hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>30 hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning Period:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>15 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>20 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>30 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start/End Action:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inactivity Schedule 1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From:</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interval:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inactivity Schedule 2:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Submit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destination</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Emergency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Follow-on:  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voice, 2-way</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Talk only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Listen-in only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GSM On/Off Function</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>XML Function</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geo-fence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No:1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geo-fence:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Circle Range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Polygon Range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-90 ~ 90</source>
        <translation>-90 ~ 90</translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-180 ~ 180</source>
        <translation>-180 ~ 180</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>200 ~ 10,000 Meters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Polygon Vertex Number:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude2:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude2:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude3:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude3:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude4:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude4:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No:2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No:3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forbidden Zones</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guard Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5 sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10 sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>15 sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>20 sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>25 sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>30 sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guard Time Fall Sesor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fall Detection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fall Sensor Sensitivity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mobile Fall Detection Sensitivity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Check-in Interval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4 hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6 hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8 hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12 hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3 day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4 day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5 day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6 day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7 day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>15 day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>30 day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Check-in Offset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Supervision Timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10 day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm &amp; Continuous GPS </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sleep Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>German</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>French</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Callback Check Access code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press sensor button to end call</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help Event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medical(100)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Emergency (101)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Panic (120)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speech Report Ack</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off Hook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Any DTMF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer Incoming Call</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incoming Call
 Check Access code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two-way Timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>11 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>13 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>14 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>16 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>17 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>18 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>19 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>21 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>22 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>23 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>24 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>25 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>26 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>27 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>28 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>29 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>60 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>90 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Callback Timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>120 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speaker volume level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mobile Silent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guard Time Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirmation Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voice Prompt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type 1: call progress messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type 2: GSM signail  messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type 3: battery ( status ) progress messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type 4: battery power percentage messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GPS Tracker Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Last Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AGPS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Caller ID1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Caller ID2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geofence Alert and Continuous GPS report: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3 hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5 hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report interval timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>31 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>32 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>33 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>34 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>35 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>36 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>37 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>38 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>39 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>40 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>41 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>42 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>43 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>44 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>45 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>46 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>47 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>48 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>49 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>50 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>51 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>52 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>53 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>54 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>55 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>56 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>57 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>58 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>59 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two way volume level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test Mode timeout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Supervision Timer Repeated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cell Locate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reporting Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indoor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outdoor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GSM Power down(GSMSD)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RF Device Ignore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RF Device GPS Action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Sensor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Sensor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Misc.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scream duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6 sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7 sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8 sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9 sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>11 sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12 sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>13 sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>14 sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>16 sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>17 sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>18 sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>19 sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>21 sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>22 sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>23 sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>24 sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>26 sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>27 sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>28 sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>29 sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>31 sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>32 sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>33 sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>34 sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>35 sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>36 sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>37 sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>38 sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>39 sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>40 sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>41 sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>42 sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>43 sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>44 sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>45 sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>46 sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>47 sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>48 sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>49 sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>50 sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>51 sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>52 sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>53 sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>54 sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>55 sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>56 sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>57 sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>58 sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>59 sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>60 sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scream</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Debug Disable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Debug Enable1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Debug Enable2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signal Strength</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reboot Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reboot GSM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Factory Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> OMADM FOTA start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> OMADM FOTA end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware File CRC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0000</source>
        <translation>0000</translation>
    </message>
    <message>
        <source>FW File Length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Uprade Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timer:</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AT!XUPGRADE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destination 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Event 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destination 1, Group 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destination 1, Group 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destination 1, Group 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destination 1, Group 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destination 1, Group 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destination 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Event 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destination 2, Group 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destination 2, Group 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destination 2, Group 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destination 2, Group 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destination 2, Group 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destination 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Event 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destination 3, Group 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destination 3, Group 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destination 3, Group 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destination 3, Group 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destination 3, Group 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destination 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Event 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destination 4, Group 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destination 4, Group 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destination 4, Group 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destination 4, Group 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destination 4, Group 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destination 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Event 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destination 5, Group 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destination 5, Group 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destination 5, Group 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destination 5, Group 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destination 5, Group 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Follow-on 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Follow-on 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Follow-on 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Follow-on 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Follow-on 6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geo-fence 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Circle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Polygon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geo-fence 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geo-fence 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm &amp; Continuous GPS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Debug level</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
