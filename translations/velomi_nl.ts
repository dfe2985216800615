<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Acknowledgement</name>
    <message>
        <source>Add Device command success!  </source>
        <translation>Opdracht Apparaat toevoegen gelukt!  </translation>
    </message>
    <message>
        <source>Delete Device command success!  </source>
        <translation>Opdracht Apparaat verwijderen gelukt!  </translation>
    </message>
    <message>
        <source>Reboot Device OK, please wait 30 seconds!</source>
        <translation>Apparaat herstarten OK, wacht 30 seconden!</translation>
    </message>
    <message>
        <source>Reboot GSM OK, please wait 30 seconds!</source>
        <translation>GSM herstarten OK, wacht 30 seconden!</translation>
    </message>
    <message>
        <source>Factory Reset OK, please wait 30 seconds!</source>
        <translation>Fabrieksreset OK, wacht 30 seconden!</translation>
    </message>
    <message>
        <source>Factory Mode OK!</source>
        <translation>Fabrieksmodus OK!</translation>
    </message>
    <message>
        <source>Write command error! Check your Latitude &quot;and&quot; &quot;Longitude&quot; value</source>
        <translation>Fout bij schrijfopdracht! Controleer uw waarde Breedtegraad &quot;en&quot; &quot;Lengtegraad&quot;</translation>
    </message>
    <message>
        <source>Write command error!  </source>
        <translation>Fout bij schrijfopdracht!  </translation>
    </message>
    <message>
        <source>Geo-fence:</source>
        <translation>Geofence:</translation>
    </message>
    <message>
        <source>Forbidden-zone:</source>
        <translation>Verboden zone:</translation>
    </message>
    <message>
        <source>Write command success!  </source>
        <translation>Schrijfopdracht gelukt!  </translation>
    </message>
</context>
<context>
    <name>AddSensorDialog</name>
    <message>
        <source>Add Sensor</source>
        <translation>Sensor toevoegen</translation>
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
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>CompareDialog</name>
    <message>
        <source>Show equal settings</source>
        <translation>Gelijke instellingen tonen</translation>
    </message>
    <message>
        <source>Apply selected</source>
        <translation>Selectie toepassen</translation>
    </message>
    <message>
        <source>Compare with profile</source>
        <translation>Vergelijken met profiel</translation>
    </message>
    <message>
        <source>%1 holds what the pages hold.</source>
        <translation>%1 bevat hetzelfde als de pagina&apos;s.</translation>
    </message>
    <message>
        <source>1 setting of %1 differs from the pages.</source>
        <translation>1 instelling van %1 wijkt af van de pagina&apos;s.</translation>
    </message>
    <message>
        <source>%1 settings of %2 differ from the pages.</source>
        <translation>%1 instellingen van %2 wijken af van de pagina&apos;s.</translation>
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
        <translation>Nee</translation>
    </message>
    <message>
        <source>Report destinations</source>
        <translation>Meldbestemmingen</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Bestemming</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Gebeurtenis</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Groep</translation>
    </message>
    <message>
        <source>Geo-fences</source>
        <translation>Geofences</translation>
    </message>
    <message>
        <source>Centre or vertices (latitude, longitude)</source>
        <translation>Middelpunt of hoekpunten (breedtegraad, lengtegraad)</translation>
    </message>
    <message>
        <source>Radius (m)</source>
        <translation>Straal (m)</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Uitgeschakeld</translation>
    </message>
    <message>
        <source>Configuration sheet</source>
        <translation>Configuratieblad</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Tool version</source>
        <translation>Toolversie</translation>
    </message>
    <message>
        <source>Model and version</source>
        <translation>Model en versie</translation>
    </message>
    <message>
        <source>IMEI</source>
        <translation>IMEI</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profiel</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Instelling</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Waarde</translation>
    </message>
    <message>
        <source>Paired sensors</source>
        <translation>Gekoppelde sensoren</translation>
    </message>
    <message>
        <source>No sensor is paired.</source>
        <translation>Er is geen sensor gekoppeld.</translation>
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
        <translation>Pagina</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Instelling</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pagina&apos;s</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Bestand</translation>
    </message>
</context>
<context>
    <name>FirmwareUpgrade</name>
    <message>
        <source>&lt;h2&gt; Read file !&lt;/h2&gt;&lt;p&gt; </source>
        <translation>&lt;h2&gt; Bestand lezen !&lt;/h2&gt;&lt;p&gt; </translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>File too large! %1 bytes, at most %2 bytes.</source>
        <translation>Bestand te groot! %1 bytes, maximaal %2 bytes.</translation>
    </message>
    <message>
        <source>Cannot open the file!</source>
        <translation>Kan het bestand niet openen!</translation>
    </message>
    <message>
        <source>File Length Error!</source>
        <translation>Fout in bestandslengte!</translation>
    </message>
    <message>
        <source>Port not opened!</source>
        <translation>Poort niet geopend!</translation>
    </message>
    <message>
        <source>Upgrade error!</source>
        <translation>Upgradefout!</translation>
    </message>
    <message>
        <source>Upgrade File Length Error!</source>
        <translation>Fout in lengte upgradebestand!</translation>
    </message>
    <message>
        <source>MG Upgrade Finish. Please wait 30 seconds!</source>
        <translation>MG-upgrade voltooid. Wacht 30 seconden!</translation>
    </message>
    <message>
        <source>MG Upgrade Failure!</source>
        <translation>MG-upgrade mislukt!</translation>
    </message>
    <message>
        <source>MG Upgrade Failure!<byte value="xd"/>
The device stopped answering for %1 seconds.</source>
        <translation>MG-upgrade mislukt!<byte value="xd"/>
Het apparaat antwoordde %1 seconden niet meer.</translation>
    </message>
    <message>
        <source>Total elapsed timer %1:%2 </source>
        <translation>Totaal verstreken tijd %1:%2 </translation>
    </message>
</context>
<context>
    <name>FormSheet</name>
    <message>
        <source>Checked</source>
        <translation>Aangevinkt</translation>
    </message>
    <message>
        <source>Unchecked</source>
        <translation>Niet aangevinkt</translation>
    </message>
</context>
<context>
    <name>Frame</name>
    <message>
        <source>%1 may not contain &quot;,&quot;, &quot;;&quot; or control characters!</source>
        <translation>%1 mag geen &quot;,&quot;, &quot;;&quot; of stuurtekens bevatten!</translation>
    </message>
</context>
<context>
    <name>GeoFenceCodec</name>
    <message>
        <source>Max 10000 Meters!</source>
        <translation>Max. 10000 meter!</translation>
    </message>
    <message>
        <source>Min 200 Meters!</source>
        <translation>Min. 200 meter!</translation>
    </message>
    <message>
        <source>Digits only!</source>
        <translation>Alleen cijfers!</translation>
    </message>
    <message>
        <source>Decimal six!</source>
        <translation>Zes decimalen!</translation>
    </message>
    <message>
        <source>Geo-fence idx error!</source>
        <translation>Fout in geofence-index!</translation>
    </message>
    <message>
        <source>Positive number only!</source>
        <translation>Alleen een positief getal!</translation>
    </message>
    <message>
        <source>Version T37, T6_QX, T6_QX_P9, T35, T9 or T2 ?? GeoFence Format Error!</source>
        <translation>Versie T37, T6_QX, T6_QX_P9, T35, T9 of T2 ?? Fout in geofence-formaat!</translation>
    </message>
    <message>
        <source>Forbidden-zone:</source>
        <translation>Verboden zone:</translation>
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
        <translation>[... %1 tekens van ouder log weggelaten ...]</translation>
    </message>
</context>
<context>
    <name>ManageSerialPort</name>
    <message>
        <source>The port is already open</source>
        <translation>De poort is al open</translation>
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
        <translation>Als geen ander programma de poort gebruikt, heeft uw gebruiker mogelijk geen toegang tot seriële poorten: sudo usermod -aG dialout $USER, en log daarna opnieuw in.</translation>
    </message>
    <message>
        <source>Another program is using the port; close it and try again.</source>
        <translation>Een ander programma gebruikt de poort; sluit het en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Only the port&apos;s owner may open it. Install the tool&apos;s udev rule (README, Troubleshooting) so the logged-in user may open it.</source>
        <translation>Alleen de eigenaar van de poort mag deze openen. Installeer de udev-regel van de tool (README, Troubleshooting) zodat de ingelogde gebruiker de poort mag openen.</translation>
    </message>
    <message>
        <source>The port belongs to group %1; you were added to it after this session started. Log out and log in again.</source>
        <translation>De poort hoort bij groep %1; u bent eraan toegevoegd nadat deze sessie begon. Log uit en log opnieuw in.</translation>
    </message>
    <message>
        <source>The port belongs to group %1; you are not in it. Run: sudo usermod -aG %1 $USER, then log in again.</source>
        <translation>De poort hoort bij groep %1; u bent daar geen lid van. Voer uit: sudo usermod -aG %1 $USER, en log daarna opnieuw in.</translation>
    </message>
    <message>
        <source>Can&apos;t open %1</source>
        <translation>Kan %1 niet openen</translation>
    </message>
    <message>
        <source>The port is held by %1.</source>
        <translation>De poort wordt bezet door %1.</translation>
    </message>
    <message>
        <source>ModemManager takes this port for a modem. Stop it while you work (sudo systemctl stop ModemManager) or install the tool&apos;s udev rule, which tells ModemManager to leave the device alone.</source>
        <translation>ModemManager ziet deze poort aan voor een modem. Stop het zolang u werkt (sudo systemctl stop ModemManager) of installeer de udev-regel van de tool, die ModemManager opdraagt het apparaat met rust te laten.</translation>
    </message>
    <message>
        <source>The braille driver brltty takes some USB serial adapters. If you use no braille display, remove it (sudo apt remove brltty) or disable its udev rules (sudo systemctl mask brltty-udev.service), then plug the device in again.</source>
        <translation>Het braillestuurprogramma brltty neemt sommige USB-seriële adapters in beslag. Gebruikt u geen brailleleesregel, verwijder het dan (sudo apt remove brltty) of schakel de udev-regels ervan uit (sudo systemctl mask brltty-udev.service) en sluit het apparaat daarna opnieuw aan.</translation>
    </message>
</context>
<context>
    <name>PortNames</name>
    <message>
        <source>Description: %1</source>
        <translation>Beschrijving: %1</translation>
    </message>
    <message>
        <source>Manufacturer: %1</source>
        <translation>Fabrikant: %1</translation>
    </message>
    <message>
        <source>Serial number: %1</source>
        <translation>Serienummer: %1</translation>
    </message>
    <message>
        <source>USB ID: %1</source>
        <translation>USB ID: %1</translation>
    </message>
    <message>
        <source>By id: %1</source>
        <translation>Op ID: %1</translation>
    </message>
</context>
<context>
    <name>ProfileDialog</name>
    <message>
        <source>Profile Manager</source>
        <translation>Profielbeheer</translation>
    </message>
    <message>
        <source>Profile List:</source>
        <translation>Profiellijst:</translation>
    </message>
    <message>
        <source>Module</source>
        <translation>Module</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profiel</translation>
    </message>
    <message>
        <source>Delete Profile</source>
        <translation>Profiel verwijderen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Module:</source>
        <translation>Module:</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Profile:</source>
        <translation><byte value="xd"/>
Profiel:</translation>
    </message>
    <message>
        <source>Do you want to delete <byte value="xd"/>
</source>
        <translation>Wilt u verwijderen: <byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Are you sure? <byte value="xd"/>
</source>
        <translation><byte value="xd"/>
Weet u het zeker? <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Delete <byte value="xd"/>
</source>
        <translation>Verwijderen <byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
 failed !<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
 mislukt !<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
 success !</source>
        <translation><byte value="xd"/>
 gelukt !</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Map:</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Map openen</translation>
    </message>
    <message>
        <source>The folder %1 could not be opened in the file manager.</source>
        <translation>De map %1 kon niet in het bestandsbeheer worden geopend.</translation>
    </message>
</context>
<context>
    <name>ProfileNameDialog</name>
    <message>
        <source>New Profile</source>
        <translation>Nieuw profiel</translation>
    </message>
    <message>
        <source>New Profile name</source>
        <translation>Naam nieuw profiel</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Bestandsnaam</translation>
    </message>
    <message>
        <source>File name has been used!</source>
        <translation>Bestandsnaam is al in gebruik!</translation>
    </message>
    <message>
        <source>Save Profile As</source>
        <translation>Profiel opslaan als</translation>
    </message>
    <message>
        <source>Save Profile As ...</source>
        <translation>Profiel opslaan als ...</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Kan %1 niet lezen: %2</translation>
    </message>
    <message>
        <source>%1 is too large for a profile</source>
        <translation>%1 is te groot voor een profiel</translation>
    </message>
    <message>
        <source>%1 is not a profile: no line names a setting of the pages.</source>
        <translation>%1 is geen profiel: geen regel noemt een instelling van de pagina&apos;s.</translation>
    </message>
</context>
<context>
    <name>ReportCodec</name>
    <message>
        <source>Report idx error!</source>
        <translation>Fout in meldingsindex!</translation>
    </message>
    <message>
        <source>Report destination %1</source>
        <translation>Meldbestemming %1</translation>
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
        <translation>Back-up terugzetten</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Apparaat</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Reden</translation>
    </message>
    <message>
        <source>Filter by device</source>
        <translation>Filteren op apparaat</translation>
    </message>
    <message>
        <source>&amp;Device:</source>
        <translation>&amp;Apparaat:</translation>
    </message>
    <message>
        <source>Backups in %1</source>
        <translation>Back-ups in %1</translation>
    </message>
    <message>
        <source>There are no backups yet.</source>
        <translation>Er zijn nog geen back-ups.</translation>
    </message>
    <message>
        <source>No backup of such a device.</source>
        <translation>Geen back-up van zo&apos;n apparaat.</translation>
    </message>
    <message>
        <source>The pages hold what this backup holds.</source>
        <translation>De pagina&apos;s bevatten hetzelfde als deze back-up.</translation>
    </message>
    <message>
        <source>1 setting differs from the pages.</source>
        <translation>1 instelling wijkt af van de pagina&apos;s.</translation>
    </message>
    <message>
        <source>%1 settings differ from the pages.</source>
        <translation>%1 instellingen wijken af van de pagina&apos;s.</translation>
    </message>
    <message>
        <source>Write All</source>
        <translation>Alles schrijven</translation>
    </message>
    <message>
        <source>Firmware upgrade</source>
        <translation>Firmware-upgrade</translation>
    </message>
    <message>
        <source>Factory Reset</source>
        <translation>Fabrieksreset</translation>
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
        <translation>Apparaattypestring is NULL ! Lees opnieuw !</translation>
    </message>
    <message>
        <source>Sensor ID error!(format1)</source>
        <translation>Fout in sensor-ID!(format1)</translation>
    </message>
    <message>
        <source>Sensor ID error!(format2)</source>
        <translation>Fout in sensor-ID!(format2)</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Read configuration success!</source>
        <translation>Configuratie lezen gelukt!</translation>
    </message>
    <message>
        <source>T9_W5 or T47 or T41 or T68 only!</source>
        <translation>Alleen T9_W5 of T47 of T41 of T68!</translation>
    </message>
    <message>
        <source>Geo fence:</source>
        <translation>Geofence:</translation>
    </message>
    <message>
        <source>Read stopped: the answer to &quot;RPT?:%1&quot; names no destination.</source>
        <translation>Lezen gestopt: het antwoord op &quot;RPT?:%1&quot; noemt geen bestemming.</translation>
    </message>
    <message>
        <source>Report write</source>
        <translation>Melding schrijven</translation>
    </message>
    <message>
        <source>Sensor list</source>
        <translation>Sensorlijst</translation>
    </message>
    <message>
        <source>Write All</source>
        <translation>Alles schrijven</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lezen</translation>
    </message>
    <message>
        <source>Serial Port is not open! &quot;Write All&quot;</source>
        <translation>Seriële poort is niet open! &quot;Alles schrijven&quot;</translation>
    </message>
    <message>
        <source>Read the configuration of a supported device first! &quot;Write All&quot;</source>
        <translation>Lees eerst de configuratie van een ondersteund apparaat! &quot;Alles schrijven&quot;</translation>
    </message>
    <message>
        <source>Port not opened!</source>
        <translation>Poort niet geopend!</translation>
    </message>
    <message>
        <source>The device refused &quot;%1&quot;. %2 stopped.</source>
        <translation>Het apparaat weigerde &quot;%1&quot;. %2 gestopt.</translation>
    </message>
    <message>
        <source>The device did not answer &quot;%1&quot;. %2 stopped.</source>
        <translation>Het apparaat beantwoordde &quot;%1&quot; niet. %2 gestopt.</translation>
    </message>
    <message>
        <source>Serial Port is not open! &quot;Read&quot;</source>
        <translation>Seriële poort is niet open! &quot;Lezen&quot;</translation>
    </message>
    <message>
        <source>Write command success!  </source>
        <translation>Schrijfopdracht gelukt!  </translation>
    </message>
    <message>
        <source>MG Upgrade Failure!<byte value="xd"/>
The port was closed.</source>
        <translation>MG-upgrade mislukt!<byte value="xd"/>
De poort is gesloten.</translation>
    </message>
    <message>
        <source>Write all configuration success!</source>
        <translation>Alle configuratie schrijven gelukt!</translation>
    </message>
    <message>
        <source>Write All stopped: check the value on the &quot;%1&quot; page.</source>
        <translation>Alles schrijven gestopt: controleer de waarde op pagina &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Countdown finish. Read Configuration!</source>
        <translation>Aftellen voltooid. Configuratie lezen!</translation>
    </message>
    <message>
        <source>Write All is still writing the device; wait until it has finished.</source>
        <translation>&quot;Alles schrijven&quot; schrijft nog naar het apparaat; wacht tot het klaar is.</translation>
    </message>
    <message>
        <source>The device is being read back to check what was written; wait until it has finished.</source>
        <translation>Het apparaat wordt opnieuw gelezen om te controleren wat er geschreven is; wacht tot het klaar is.</translation>
    </message>
</context>
<context>
    <name>SmsCodec</name>
    <message>
        <source>Min. %1 Max. %2-characters</source>
        <translation>Min. %1 max. %2 tekens</translation>
    </message>
    <message>
        <source>Keyword length error!</source>
        <translation>Fout in lengte trefwoord!</translation>
    </message>
    <message>
        <source>SMS Keyword</source>
        <translation>SMS-trefwoord</translation>
    </message>
    <message>
        <source>Access Code</source>
        <translation>Toegangscode</translation>
    </message>
    <message>
        <source>Min. 4 Max. 8-characters</source>
        <translation>Min. 4 max. 8 tekens</translation>
    </message>
    <message>
        <source>APN Name</source>
        <translation>APN-naam</translation>
    </message>
    <message>
        <source>APN User</source>
        <translation>APN-gebruiker</translation>
    </message>
    <message>
        <source>APN Password</source>
        <translation>APN-wachtwoord</translation>
    </message>
    <message>
        <source>XML User</source>
        <translation>XML-gebruiker</translation>
    </message>
    <message>
        <source>XML Password</source>
        <translation>XML-wachtwoord</translation>
    </message>
    <message>
        <source>Caller ID1</source>
        <translation>Beller-ID1</translation>
    </message>
    <message>
        <source>Caller ID2</source>
        <translation>Beller-ID2</translation>
    </message>
    <message>
        <source>Digits only !</source>
        <translation>Alleen cijfers !</translation>
    </message>
    <message>
        <source>Max. telephone number %1 digits !</source>
        <translation>Max. telefoonnummer %1 cijfers !</translation>
    </message>
</context>
<context>
    <name>UnwrittenEdits</name>
    <message>
        <source>Changed here since the device was last read or written</source>
        <translation>Hier gewijzigd sinds het apparaat het laatst is gelezen of geschreven</translation>
    </message>
</context>
<context>
    <name>Velomi</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>A firmware upgrade is running. Closing now stops it, and the device may be left without working firmware.

Stop the upgrade and close?</source>
        <translation>Er loopt een firmware-upgrade. Nu sluiten stopt deze, en het apparaat kan zonder werkende firmware achterblijven.

Upgrade stoppen en sluiten?</translation>
    </message>
    <message>
        <source>&lt;h3&gt; Velomi PC Tool&lt;/h3&gt;%1</source>
        <translation>&lt;h3&gt; Velomi PC Tool&lt;/h3&gt;%1</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>Backup saved: %1</source>
        <translation>Back-up opgeslagen: %1</translation>
    </message>
    <message>
        <source>%1

Go on without a backup?</source>
        <translation>%1

Doorgaan zonder back-up?</translation>
    </message>
    <message>
        <source>%1, %2: written &quot;%3&quot;, read back &quot;%4&quot;</source>
        <translation>%1, %2: geschreven &quot;%3&quot;, teruggelezen &quot;%4&quot;</translation>
    </message>
    <message>
        <source>The device holds what was written.</source>
        <translation>Het apparaat bevat wat geschreven is.</translation>
    </message>
    <message>
        <source>Factory Reset sets every setting of the device back to its factory value. Reset the device?</source>
        <translation>Fabrieksreset zet elke instelling van het apparaat terug naar de fabriekswaarde. Apparaat resetten?</translation>
    </message>
    <message>
        <source>Write all config. ZAROrazram, APN, Report and Settings tabs. Are you sure?</source>
        <translation>Alle configuratie schrijven. Tabbladen ZAROrazram, APN, Melding en Instellingen. Weet u het zeker?</translation>
    </message>
    <message>
        <source>Write all config. ZAROrazram, APN, Report, Geo-fence and Settings tabs. Are you sure?</source>
        <translation>Alle configuratie schrijven. Tabbladen ZAROrazram, APN, Melding, Geofence en Instellingen. Weet u het zeker?</translation>
    </message>
    <message>
        <source>No backup can be made: nothing was read from the device since the port opened.</source>
        <translation>Geen back-up mogelijk: sinds het openen van de poort is niets van het apparaat gelezen.</translation>
    </message>
    <message>
        <source>Velomi Tool</source>
        <translation>Velomi Tool</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Bestand openen</translation>
    </message>
    <message>
        <source>Images (*.*)</source>
        <translation>Imagebestanden (*.*)</translation>
    </message>
    <message>
        <source>Compare with profile</source>
        <translation>Vergelijken met profiel</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Systeemstandaard</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Taal</translation>
    </message>
    <message>
        <source>The language changes when the tool is started again.</source>
        <translation>De taal verandert wanneer de tool opnieuw wordt gestart.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Device</source>
        <translation>&amp;Apparaat</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Instellingen</translation>
    </message>
    <message>
        <source>Restore backup...</source>
        <translation>Back-up terugzetten...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Open port</source>
        <translation>Poort &amp;openen</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Close port</source>
        <translation>Poort sl&amp;uiten</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Lezen</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>&amp;Write All</source>
        <translation>Alles &amp;schrijven</translation>
    </message>
    <message>
        <source>Ctrl+W</source>
        <translation>Ctrl+W</translation>
    </message>
    <message>
        <source>Compare with profile...</source>
        <translation>Vergelijken met profiel...</translation>
    </message>
    <message>
        <source>Profiles and backups (*.txt);;All files (*)</source>
        <translation>Profielen en back-ups (*.txt);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>The device was disconnected.
%1</source>
        <translation>De verbinding met het apparaat is verbroken.
%1</translation>
    </message>
    <message>
        <source>The profile keeps these fields only up to their first &quot;:&quot;:
%1</source>
        <translation>Het profiel bewaart deze velden alleen tot hun eerste &quot;:&quot;:
%1</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Geen</translation>
    </message>
    <message>
        <source>ComPort: Disconnect ...</source>
        <translation>COM-poort: verbroken ...</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Emergency</source>
        <translation>Noodgeval</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Uit</translation>
    </message>
    <message>
        <source>Enable(Ring)</source>
        <translation>Aan(overgaan)</translation>
    </message>
    <message>
        <source>Enable(Auto-Answer)</source>
        <translation>Aan(auto-opnemen)</translation>
    </message>
    <message>
        <source>Close the window anyway? The changes are lost.</source>
        <translation>Venster toch sluiten? De wijzigingen gaan verloren.</translation>
    </message>
    <message>
        <source>Cann&apos;t find default file!</source>
        <translation>Kan standaardbestand niet vinden!</translation>
    </message>
    <message>
        <source>Cannot write the sensor list %1: %2</source>
        <translation>Kan de sensorlijst %1 niet schrijven: %2</translation>
    </message>
    <message>
        <source>Write All</source>
        <translation>Alles schrijven</translation>
    </message>
    <message>
        <source>the Write button of the %1 page</source>
        <translation>de knop Schrijven van pagina %1</translation>
    </message>
    <message>
        <source>The device does not hold every setting %1 wrote:
%2</source>
        <translation>Het apparaat bevat niet elke instelling die %1 schreef:
%2</translation>
    </message>
    <message>
        <source>Undo read</source>
        <translation>Lezen ongedaan maken</translation>
    </message>
    <message>
        <source>Verify after writing</source>
        <translation>Controleren na schrijven</translation>
    </message>
    <message>
        <source>Undo read waits until the device has answered.</source>
        <translation>Lezen ongedaan maken wacht tot het apparaat heeft geantwoord.</translation>
    </message>
    <message>
        <source>The values the read replaced are back; they are not written to the device.</source>
        <translation>De waarden die het lezen had vervangen, zijn terug; ze zijn niet naar het apparaat geschreven.</translation>
    </message>
    <message>
        <source>These pages hold changes that are not written to the device: %1.

%2</source>
        <translation>Deze pagina&apos;s bevatten wijzigingen die niet naar het apparaat zijn geschreven: %1.

%2</translation>
    </message>
    <message>
        <source>Device ID Length error!</source>
        <translation>Fout in lengte apparaat-ID!</translation>
    </message>
    <message>
        <source>Select delete device!</source>
        <translation>Selecteer het te verwijderen apparaat!</translation>
    </message>
    <message>
        <source>&lt;h2&gt; read file !&lt;/h2&gt;&lt;p&gt; cancel  timer stop !</source>
        <translation>&lt;h2&gt; bestand lezen !&lt;/h2&gt;&lt;p&gt; annuleren  timer gestopt !</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>ComPort: Connected...</source>
        <translation>COM-poort: verbonden...</translation>
    </message>
    <message>
        <source>Close the port anyway?</source>
        <translation>Poort toch sluiten?</translation>
    </message>
    <message>
        <source>ComPort: Disconnect...</source>
        <translation>COM-poort: verbroken...</translation>
    </message>
    <message>
        <source>Current Setting</source>
        <translation>Huidige instelling</translation>
    </message>
    <message>
        <source>Profile Manager</source>
        <translation>Profielbeheer</translation>
    </message>
    <message>
        <source>Cann&apos;t find the default file !</source>
        <translation>Kan het standaardbestand niet vinden !</translation>
    </message>
    <message>
        <source>Cann&apos;t find the file ! <byte value="xd"/>
Please new Profile !</source>
        <translation>Bestand niet gevonden ! <byte value="xd"/>
Maak een nieuw profiel !</translation>
    </message>
    <message>
        <source>Save file success!</source>
        <translation>Bestand opslaan gelukt!</translation>
    </message>
    <message>
        <source>Export configuration sheet...</source>
        <translation>Configuratieblad exporteren...</translation>
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
        <translation>Configuratieblad exporteren</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Afdrukken...</translation>
    </message>
    <message>
        <source>Configuration sheet</source>
        <translation>Configuratieblad</translation>
    </message>
    <message>
        <source>The configuration sheet is written as PDF (.pdf) or HTML (.html), not as %1.</source>
        <translation>Het configuratieblad wordt geschreven als PDF (.pdf) of HTML (.html), niet als %1.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Kan %1 niet schrijven: %2</translation>
    </message>
    <message>
        <source>Configuration sheet written to %1</source>
        <translation>Configuratieblad geschreven naar %1</translation>
    </message>
    <message>
        <source>Save log...</source>
        <translation>Log opslaan...</translation>
    </message>
    <message>
        <source>Save log</source>
        <translation>Log opslaan</translation>
    </message>
    <message>
        <source>Text files (*.txt *.log);;All files (*)</source>
        <translation>Tekstbestanden (*.txt *.log);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>Keep a log file</source>
        <translation>Logbestand bijhouden</translation>
    </message>
    <message>
        <source>Where is the manual?</source>
        <translation>Waar is de handleiding?</translation>
    </message>
    <message>
        <source>The manual comes as manual pages: &quot;man velomi&quot; for this window and &quot;man velomi-cli&quot; for the command line. README.md, which comes with the tool, gives the same in short.

Profiles: %1
Backups: %2
Log files: %3</source>
        <translation>De handleiding bestaat uit manpages: &quot;man velomi&quot; voor dit venster en &quot;man velomi-cli&quot; voor de opdrachtregel. README.md, dat bij de tool hoort, geeft hetzelfde in het kort.

Profielen: %1
Back-ups: %2
Logbestanden: %3</translation>
    </message>
    <message>
        <source>The log could not be saved to %1:
%2</source>
        <translation>Het log kon niet worden opgeslagen in %1:
%2</translation>
    </message>
    <message>
        <source>Log saved to %1</source>
        <translation>Log opgeslagen in %1</translation>
    </message>
    <message>
        <source>No log file is kept: the folder %1 cannot be made.</source>
        <translation>Er wordt geen logbestand bijgehouden: de map %1 kan niet worden aangemaakt.</translation>
    </message>
    <message>
        <source>No log file is kept: %1 cannot be written:
%2</source>
        <translation>Er wordt geen logbestand bijgehouden: %1 kan niet worden geschreven:
%2</translation>
    </message>
    <message>
        <source>The log file %1 could not be written and is no longer kept:
%2</source>
        <translation>Logbestand %1 kon niet worden geschreven en wordt niet meer bijgehouden:
%2</translation>
    </message>
    <message>
        <source>Reconnect automatically</source>
        <translation>Automatisch opnieuw verbinden</translation>
    </message>
    <message>
        <source>Waiting for the device to come back...</source>
        <translation>Wachten tot het apparaat terugkomt...</translation>
    </message>
    <message>
        <source>The device is back on %1.</source>
        <translation>Het apparaat is terug op %1.</translation>
    </message>
    <message>
        <source>The device did not come back within %1 seconds. Check its cable, then open the port again.</source>
        <translation>Het apparaat is niet binnen %1 seconden teruggekomen. Controleer de kabel en open daarna de poort opnieuw.</translation>
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
        <translation>Poort</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>Baudrate</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Pariteit</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>FlowCtrl</source>
        <translation>FlowCtrl</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Openen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Mobile</source>
        <translation>Mobiel</translation>
    </message>
    <message>
        <source>Velomi</source>
        <translation>Velomi</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profiel</translation>
    </message>
    <message>
        <source>New Profile</source>
        <translation>Nieuw profiel</translation>
    </message>
    <message>
        <source>Save Profile</source>
        <translation>Profiel opslaan</translation>
    </message>
    <message>
        <source>Save Profile As</source>
        <translation>Profiel opslaan als</translation>
    </message>
    <message>
        <source>Profile Manager</source>
        <translation>Profielbeheer</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lezen</translation>
    </message>
    <message>
        <source>Write All</source>
        <translation>Alles schrijven</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Commando</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultaat</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informatie</translation>
    </message>
    <message>
        <source>Software Version</source>
        <translation>Softwareversie</translation>
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
        <translation>Provider</translation>
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
        <translation>Pakketdata verzonden &lt;bytes&gt;</translation>
    </message>
    <message>
        <source>Packet Data Receive &lt;bytes&gt;</source>
        <translation>Pakketdata ontvangen &lt;bytes&gt;</translation>
    </message>
    <message>
        <source>Load Information</source>
        <translation>Informatie laden</translation>
    </message>
    <message>
        <source>SMS Program</source>
        <translation>SMS-programma</translation>
    </message>
    <message>
        <source>SMS Keyword</source>
        <translation>SMS-trefwoord</translation>
    </message>
    <message>
        <source>KTVW</source>
        <translation>KTVW</translation>
    </message>
    <message>
        <source>Max 15 characters</source>
        <translation>Max. 15 tekens</translation>
    </message>
    <message>
        <source>Access Code</source>
        <translation>Toegangscode</translation>
    </message>
    <message>
        <source>4826</source>
        <translation>4826</translation>
    </message>
    <message>
        <source>4-8 digits</source>
        <translation>4-8 cijfers</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Schrijven</translation>
    </message>
    <message>
        <source>Save default</source>
        <translation>Standaard opslaan</translation>
    </message>
    <message>
        <source>Load default</source>
        <translation>Standaard laden</translation>
    </message>
    <message>
        <source>APN Name</source>
        <translation>APN-naam</translation>
    </message>
    <message>
        <source>internet</source>
        <translation>internet</translation>
    </message>
    <message>
        <source>APN User</source>
        <translation>APN-gebruiker</translation>
    </message>
    <message>
        <source>APN Password</source>
        <translation>APN-wachtwoord</translation>
    </message>
    <message>
        <source>Mobility</source>
        <translation>Mobiliteit</translation>
    </message>
    <message>
        <source>Enable Inactivity Monitoring</source>
        <translation>Inactiviteitsbewaking aan</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Modus:</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Interval</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Schema</translation>
    </message>
    <message>
        <source>Inactivity Interval:</source>
        <translation>Inactiviteitsinterval:</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 uur</translation>
    </message>
    <message>
        <source>2 hours</source>
        <translation>2 uur</translation>
    </message>
    <message>
        <source>4 hours</source>
        <translation>4 uur</translation>
    </message>
    <message>
        <source>6 hours</source>
        <translation>6 uur</translation>
    </message>
    <message>
        <source>8 hours</source>
        <translation>8 uur</translation>
    </message>
    <message>
        <source>12 hours</source>
        <translation>12 uur</translation>
    </message>
    <message>
        <source>14 hours</source>
        <translation>14 uur</translation>
    </message>
    <message>
        <source>16 hours</source>
        <translation>16 uur</translation>
    </message>
    <message>
        <source>18 hours</source>
        <translation>18 uur</translation>
    </message>
    <message>
        <source>20 hours</source>
        <translation>20 uur</translation>
    </message>
    <message>
        <source>22 hours</source>
        <translation>22 uur</translation>
    </message>
    <message>
        <source>24 hours</source>
        <translation>24 uur</translation>
    </message>
    <message>
        <source>25 hours</source>
        <translation>25 uur</translation>
    </message>
    <message>
        <source>26 hours</source>
        <translation>26 uur</translation>
    </message>
    <message>
        <source>28 hours</source>
        <translation>28 uur</translation>
    </message>
    <message>
        <source>30 hours</source>
        <translation>30 uur</translation>
    </message>
    <message>
        <source>Warning Period:</source>
        <translation>Waarschuwingstijd:</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Uit</translation>
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
        <translation>Start-/eindactie:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Geen</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Melding</translation>
    </message>
    <message>
        <source>Inactivity Schedule 1:</source>
        <translation>Inactiviteitsschema 1:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Van:</translation>
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
        <translation>Tot:</translation>
    </message>
    <message>
        <source>Interval:</source>
        <translation>Interval:</translation>
    </message>
    <message>
        <source>Inactivity Schedule 2:</source>
        <translation>Inactiviteitsschema 2:</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Verzenden</translation>
    </message>
    <message>
        <source>No:</source>
        <translation>Nr.:</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Bestemming</translation>
    </message>
    <message>
        <source>  Event</source>
        <translation>  Gebeurtenis</translation>
    </message>
    <message>
        <source>   Type</source>
        <translation>   Type</translation>
    </message>
    <message>
        <source>Group1</source>
        <translation>Groep1</translation>
    </message>
    <message>
        <source>Group2</source>
        <translation>Groep2</translation>
    </message>
    <message>
        <source>Group3</source>
        <translation>Groep3</translation>
    </message>
    <message>
        <source>Group4</source>
        <translation>Groep4</translation>
    </message>
    <message>
        <source>Group5</source>
        <translation>Groep5</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Emergency</source>
        <translation>Noodgeval</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <source>Report2</source>
        <translation>Melding2</translation>
    </message>
    <message>
        <source>  Follow-on:  </source>
        <translation>  Vervolg:  </translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
    </message>
    <message>
        <source>Voice, 2-way</source>
        <translation>Spraak, 2-weg</translation>
    </message>
    <message>
        <source>Talk only</source>
        <translation>Alleen spreken</translation>
    </message>
    <message>
        <source>Listen-in only</source>
        <translation>Alleen meeluisteren</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>Wachten</translation>
    </message>
    <message>
        <source>GSM On/Off Function</source>
        <translation>GSM aan/uit-functie</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Aan</translation>
    </message>
    <message>
        <source>XML Function</source>
        <translation>XML-functie</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>Gebruiker:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Wachtwoord:</translation>
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
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Circle Range</source>
        <translation>Cirkelgebied</translation>
    </message>
    <message>
        <source>Polygon Range</source>
        <translation>Polygoongebied</translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation>Breedtegraad:</translation>
    </message>
    <message>
        <source>-90 ~ 90</source>
        <translation>-90 ~ 90</translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>Lengtegraad:</translation>
    </message>
    <message>
        <source>-180 ~ 180</source>
        <translation>-180 ~ 180</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation>Straal</translation>
    </message>
    <message>
        <source>200 ~ 10,000 Meters</source>
        <translation>200 ~ 10.000 meter</translation>
    </message>
    <message>
        <source>Polygon Vertex Number:</source>
        <translation>Aantal hoekpunten:</translation>
    </message>
    <message>
        <source>Latitude1:</source>
        <translation>Breedtegraad1:</translation>
    </message>
    <message>
        <source>Longitude1:</source>
        <translation>Lengtegraad1:</translation>
    </message>
    <message>
        <source>Latitude2:</source>
        <translation>Breedtegraad2:</translation>
    </message>
    <message>
        <source>Longitude2:</source>
        <translation>Lengtegraad2:</translation>
    </message>
    <message>
        <source>Latitude3:</source>
        <translation>Breedtegraad3:</translation>
    </message>
    <message>
        <source>Longitude3:</source>
        <translation>Lengtegraad3:</translation>
    </message>
    <message>
        <source>Latitude4:</source>
        <translation>Breedtegraad4:</translation>
    </message>
    <message>
        <source>Longitude4:</source>
        <translation>Lengtegraad4:</translation>
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
        <translation>Verboden zones</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Guard Time</source>
        <translation>Vooralarmtijd</translation>
    </message>
    <message>
        <source>5 sec</source>
        <translation>5 sec</translation>
    </message>
    <message>
        <source>10 sec</source>
        <translation>10 sec</translation>
    </message>
    <message>
        <source>15 sec</source>
        <translation>15 sec</translation>
    </message>
    <message>
        <source>20 sec</source>
        <translation>20 sec</translation>
    </message>
    <message>
        <source>25 sec</source>
        <translation>25 sec</translation>
    </message>
    <message>
        <source>30 sec</source>
        <translation>30 sec</translation>
    </message>
    <message>
        <source>Guard Time Fall Sesor</source>
        <translation>Vooralarmtijd valsensor</translation>
    </message>
    <message>
        <source>Fall Detection</source>
        <translation>Valdetectie</translation>
    </message>
    <message>
        <source>Fall Sensor Sensitivity</source>
        <translation>Gevoel. valsensor</translation>
    </message>
    <message>
        <source>Mobile Fall Detection Sensitivity</source>
        <translation>Gevoel. valdetectie mobiel</translation>
    </message>
    <message>
        <source>Auto Check-in Interval</source>
        <translation>Interval auto-testmelding</translation>
    </message>
    <message>
        <source>2 hour</source>
        <translation>2 uur</translation>
    </message>
    <message>
        <source>4 hour</source>
        <translation>4 uur</translation>
    </message>
    <message>
        <source>6 hour</source>
        <translation>6 uur</translation>
    </message>
    <message>
        <source>8 hour</source>
        <translation>8 uur</translation>
    </message>
    <message>
        <source>12 hour</source>
        <translation>12 uur</translation>
    </message>
    <message>
        <source>1 day</source>
        <translation>1 dag</translation>
    </message>
    <message>
        <source>2 day</source>
        <translation>2 dagen</translation>
    </message>
    <message>
        <source>3 day</source>
        <translation>3 dagen</translation>
    </message>
    <message>
        <source>4 day</source>
        <translation>4 dagen</translation>
    </message>
    <message>
        <source>5 day</source>
        <translation>5 dagen</translation>
    </message>
    <message>
        <source>6 day</source>
        <translation>6 dagen</translation>
    </message>
    <message>
        <source>7 day</source>
        <translation>7 dagen</translation>
    </message>
    <message>
        <source>15 day</source>
        <translation>15 dagen</translation>
    </message>
    <message>
        <source>30 day</source>
        <translation>30 dagen</translation>
    </message>
    <message>
        <source>Auto Check-in Offset</source>
        <translation>Offset auto-testmelding</translation>
    </message>
    <message>
        <source>Supervision Timer</source>
        <translation>Supervisietimer</translation>
    </message>
    <message>
        <source>10 day</source>
        <translation>10 dagen</translation>
    </message>
    <message>
        <source>Alarm &amp; Continuous GPS </source>
        <translation>Alarm &amp; continu GPS </translation>
    </message>
    <message>
        <source>Sleep Mode</source>
        <translation>Slaapmodus</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Duits</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Frans</translation>
    </message>
    <message>
        <source>Callback Check Access code</source>
        <translation>Toegangscode bij terugbellen</translation>
    </message>
    <message>
        <source>Press sensor button to end call</source>
        <translation>Ophangen met sensorknop</translation>
    </message>
    <message>
        <source>Help Event</source>
        <translation>Hulpgebeurtenis</translation>
    </message>
    <message>
        <source>Medical(100)</source>
        <translation>Medisch(100)</translation>
    </message>
    <message>
        <source>Emergency (101)</source>
        <translation>Noodgeval (101)</translation>
    </message>
    <message>
        <source>Panic (120)</source>
        <translation>Paniek (120)</translation>
    </message>
    <message>
        <source>Speech Report Ack</source>
        <translation>Bevest. spraakmelding</translation>
    </message>
    <message>
        <source>Off Hook</source>
        <translation>Van de haak</translation>
    </message>
    <message>
        <source>Any DTMF</source>
        <translation>Elke DTMF</translation>
    </message>
    <message>
        <source>Answer Incoming Call</source>
        <translation>Oproep aannemen</translation>
    </message>
    <message>
        <source>Incoming Call
 Check Access code</source>
        <translation>Inkomende oproep
 Toegangscode controleren</translation>
    </message>
    <message>
        <source>Two-way Timer</source>
        <translation>Tweewegtimer</translation>
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
        <translation>Terugbeltimer</translation>
    </message>
    <message>
        <source>120 min</source>
        <translation>120 min</translation>
    </message>
    <message>
        <source>Speaker volume level</source>
        <translation>Luidsprekervolume</translation>
    </message>
    <message>
        <source>Mobile Silent</source>
        <translation>Mobiel stil</translation>
    </message>
    <message>
        <source>Guard Time Sound</source>
        <translation>Geluid vooralarmtijd</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Uit</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Aan</translation>
    </message>
    <message>
        <source>Confirmation Sound</source>
        <translation>Bevestigingsgeluid</translation>
    </message>
    <message>
        <source>Voice Prompt</source>
        <translation>Spraakprompt</translation>
    </message>
    <message>
        <source>Type 1: call progress messages</source>
        <translation>Type 1: berichten gespreksvoortgang</translation>
    </message>
    <message>
        <source>Type 2: GSM signail  messages</source>
        <translation>Type 2: berichten  GSM-signaal</translation>
    </message>
    <message>
        <source>Type 3: battery ( status ) progress messages</source>
        <translation>Type 3: berichten batterij( status )voortgang</translation>
    </message>
    <message>
        <source>Type 4: battery power percentage messages</source>
        <translation>Type 4: berichten batterijpercentage</translation>
    </message>
    <message>
        <source>GPS Tracker Report</source>
        <translation>GPS-trackermelding</translation>
    </message>
    <message>
        <source>Use Last Position</source>
        <translation>Laatste positie</translation>
    </message>
    <message>
        <source>AGPS</source>
        <translation>AGPS</translation>
    </message>
    <message>
        <source>Caller ID1</source>
        <translation>Beller-ID1</translation>
    </message>
    <message>
        <source>Caller ID2</source>
        <translation>Beller-ID2</translation>
    </message>
    <message>
        <source>Geofence Alert and Continuous GPS report: </source>
        <translation>Geofence-alarm en continue GPS-melding: </translation>
    </message>
    <message>
        <source>Report period</source>
        <translation>Meldperiode</translation>
    </message>
    <message>
        <source>3 hours</source>
        <translation>3 uur</translation>
    </message>
    <message>
        <source>5 hours</source>
        <translation>5 uur</translation>
    </message>
    <message>
        <source>Report interval timer</source>
        <translation>Meldintervaltimer</translation>
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
        <translation>Instellingen2</translation>
    </message>
    <message>
        <source>Two way volume level</source>
        <translation>Volume tweeweg</translation>
    </message>
    <message>
        <source>Test Mode timeout</source>
        <translation>Time-out testmodus</translation>
    </message>
    <message>
        <source>Supervision Timer Repeated</source>
        <translation>Supervisietimer herhaald</translation>
    </message>
    <message>
        <source>1 week</source>
        <translation>1 week</translation>
    </message>
    <message>
        <source>Cell Locate</source>
        <translation>Cell Locate</translation>
    </message>
    <message>
        <source>Reporting Mode</source>
        <translation>Meldmodus</translation>
    </message>
    <message>
        <source>Indoor</source>
        <translation>Binnen</translation>
    </message>
    <message>
        <source>Outdoor</source>
        <translation>Buiten</translation>
    </message>
    <message>
        <source>GSM Power down(GSMSD)</source>
        <translation>GSM uitzetten(GSMSD)</translation>
    </message>
    <message>
        <source>RF Device Ignore</source>
        <translation>RF-apparaat negeren</translation>
    </message>
    <message>
        <source>RF Device GPS Action</source>
        <translation>GPS-actie RF-apparaat</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Apparaat</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>Device Type</source>
        <translation>Apparaattype</translation>
    </message>
    <message>
        <source>Add Sensor</source>
        <translation>Sensor toevoegen</translation>
    </message>
    <message>
        <source>Delete Sensor</source>
        <translation>Sensor verwijderen</translation>
    </message>
    <message>
        <source>Misc.</source>
        <translation>Div.</translation>
    </message>
    <message>
        <source>Scream duration</source>
        <translation>Sireneduur</translation>
    </message>
    <message>
        <source>6 sec</source>
        <translation>6 sec</translation>
    </message>
    <message>
        <source>7 sec</source>
        <translation>7 sec</translation>
    </message>
    <message>
        <source>8 sec</source>
        <translation>8 sec</translation>
    </message>
    <message>
        <source>9 sec</source>
        <translation>9 sec</translation>
    </message>
    <message>
        <source>11 sec</source>
        <translation>11 sec</translation>
    </message>
    <message>
        <source>12 sec</source>
        <translation>12 sec</translation>
    </message>
    <message>
        <source>13 sec</source>
        <translation>13 sec</translation>
    </message>
    <message>
        <source>14 sec</source>
        <translation>14 sec</translation>
    </message>
    <message>
        <source>16 sec</source>
        <translation>16 sec</translation>
    </message>
    <message>
        <source>17 sec</source>
        <translation>17 sec</translation>
    </message>
    <message>
        <source>18 sec</source>
        <translation>18 sec</translation>
    </message>
    <message>
        <source>19 sec</source>
        <translation>19 sec</translation>
    </message>
    <message>
        <source>21 sec</source>
        <translation>21 sec</translation>
    </message>
    <message>
        <source>22 sec</source>
        <translation>22 sec</translation>
    </message>
    <message>
        <source>23 sec</source>
        <translation>23 sec</translation>
    </message>
    <message>
        <source>24 sec</source>
        <translation>24 sec</translation>
    </message>
    <message>
        <source>26 sec</source>
        <translation>26 sec</translation>
    </message>
    <message>
        <source>27 sec</source>
        <translation>27 sec</translation>
    </message>
    <message>
        <source>28 sec</source>
        <translation>28 sec</translation>
    </message>
    <message>
        <source>29 sec</source>
        <translation>29 sec</translation>
    </message>
    <message>
        <source>31 sec</source>
        <translation>31 sec</translation>
    </message>
    <message>
        <source>32 sec</source>
        <translation>32 sec</translation>
    </message>
    <message>
        <source>33 sec</source>
        <translation>33 sec</translation>
    </message>
    <message>
        <source>34 sec</source>
        <translation>34 sec</translation>
    </message>
    <message>
        <source>35 sec</source>
        <translation>35 sec</translation>
    </message>
    <message>
        <source>36 sec</source>
        <translation>36 sec</translation>
    </message>
    <message>
        <source>37 sec</source>
        <translation>37 sec</translation>
    </message>
    <message>
        <source>38 sec</source>
        <translation>38 sec</translation>
    </message>
    <message>
        <source>39 sec</source>
        <translation>39 sec</translation>
    </message>
    <message>
        <source>40 sec</source>
        <translation>40 sec</translation>
    </message>
    <message>
        <source>41 sec</source>
        <translation>41 sec</translation>
    </message>
    <message>
        <source>42 sec</source>
        <translation>42 sec</translation>
    </message>
    <message>
        <source>43 sec</source>
        <translation>43 sec</translation>
    </message>
    <message>
        <source>44 sec</source>
        <translation>44 sec</translation>
    </message>
    <message>
        <source>45 sec</source>
        <translation>45 sec</translation>
    </message>
    <message>
        <source>46 sec</source>
        <translation>46 sec</translation>
    </message>
    <message>
        <source>47 sec</source>
        <translation>47 sec</translation>
    </message>
    <message>
        <source>48 sec</source>
        <translation>48 sec</translation>
    </message>
    <message>
        <source>49 sec</source>
        <translation>49 sec</translation>
    </message>
    <message>
        <source>50 sec</source>
        <translation>50 sec</translation>
    </message>
    <message>
        <source>51 sec</source>
        <translation>51 sec</translation>
    </message>
    <message>
        <source>52 sec</source>
        <translation>52 sec</translation>
    </message>
    <message>
        <source>53 sec</source>
        <translation>53 sec</translation>
    </message>
    <message>
        <source>54 sec</source>
        <translation>54 sec</translation>
    </message>
    <message>
        <source>55 sec</source>
        <translation>55 sec</translation>
    </message>
    <message>
        <source>56 sec</source>
        <translation>56 sec</translation>
    </message>
    <message>
        <source>57 sec</source>
        <translation>57 sec</translation>
    </message>
    <message>
        <source>58 sec</source>
        <translation>58 sec</translation>
    </message>
    <message>
        <source>59 sec</source>
        <translation>59 sec</translation>
    </message>
    <message>
        <source>60 sec</source>
        <translation>60 sec</translation>
    </message>
    <message>
        <source>Scream</source>
        <translation>Sirene</translation>
    </message>
    <message>
        <source>Debug Disable</source>
        <translation>Debug uit</translation>
    </message>
    <message>
        <source>Debug Enable1</source>
        <translation>Debug aan1</translation>
    </message>
    <message>
        <source>Debug Enable2</source>
        <translation>Debug aan2</translation>
    </message>
    <message>
        <source>Signal Strength</source>
        <translation>Signaalsterkte</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Locatie</translation>
    </message>
    <message>
        <source>Reboot Device</source>
        <translation>Apparaat herstarten</translation>
    </message>
    <message>
        <source>Reboot GSM</source>
        <translation>GSM herstarten</translation>
    </message>
    <message>
        <source>Factory Reset</source>
        <translation>Fabrieksreset</translation>
    </message>
    <message>
        <source> OMADM FOTA start</source>
        <translation> OMADM FOTA start</translation>
    </message>
    <message>
        <source> OMADM FOTA end</source>
        <translation> OMADM FOTA einde</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Firmware File CRC</source>
        <translation>CRC firmwarebestand</translation>
    </message>
    <message>
        <source>0000</source>
        <translation>0000</translation>
    </message>
    <message>
        <source>FW File Length</source>
        <translation>Lengte FW-bestand</translation>
    </message>
    <message>
        <source>Total Uprade Error</source>
        <translation>Totaal upgradefouten</translation>
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
        <translation>milliseconden</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Tijd:</translation>
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
        <translation>Help</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Over</translation>
    </message>
    <message>
        <source>From minute</source>
        <translation>Vanaf minuut</translation>
    </message>
    <message>
        <source>To minute</source>
        <translation>Tot minuut</translation>
    </message>
    <message>
        <source>Destination 1</source>
        <translation>Bestemming 1</translation>
    </message>
    <message>
        <source>Event 1</source>
        <translation>Gebeurtenis 1</translation>
    </message>
    <message>
        <source>Type 1</source>
        <translation>Type 1</translation>
    </message>
    <message>
        <source>Destination 1, Group 1</source>
        <translation>Bestemming 1, groep 1</translation>
    </message>
    <message>
        <source>Destination 1, Group 2</source>
        <translation>Bestemming 1, groep 2</translation>
    </message>
    <message>
        <source>Destination 1, Group 3</source>
        <translation>Bestemming 1, groep 3</translation>
    </message>
    <message>
        <source>Destination 1, Group 4</source>
        <translation>Bestemming 1, groep 4</translation>
    </message>
    <message>
        <source>Destination 1, Group 5</source>
        <translation>Bestemming 1, groep 5</translation>
    </message>
    <message>
        <source>Destination 2</source>
        <translation>Bestemming 2</translation>
    </message>
    <message>
        <source>Event 2</source>
        <translation>Gebeurtenis 2</translation>
    </message>
    <message>
        <source>Type 2</source>
        <translation>Type 2</translation>
    </message>
    <message>
        <source>Destination 2, Group 1</source>
        <translation>Bestemming 2, groep 1</translation>
    </message>
    <message>
        <source>Destination 2, Group 2</source>
        <translation>Bestemming 2, groep 2</translation>
    </message>
    <message>
        <source>Destination 2, Group 3</source>
        <translation>Bestemming 2, groep 3</translation>
    </message>
    <message>
        <source>Destination 2, Group 4</source>
        <translation>Bestemming 2, groep 4</translation>
    </message>
    <message>
        <source>Destination 2, Group 5</source>
        <translation>Bestemming 2, groep 5</translation>
    </message>
    <message>
        <source>Destination 3</source>
        <translation>Bestemming 3</translation>
    </message>
    <message>
        <source>Event 3</source>
        <translation>Gebeurtenis 3</translation>
    </message>
    <message>
        <source>Type 3</source>
        <translation>Type 3</translation>
    </message>
    <message>
        <source>Destination 3, Group 1</source>
        <translation>Bestemming 3, groep 1</translation>
    </message>
    <message>
        <source>Destination 3, Group 2</source>
        <translation>Bestemming 3, groep 2</translation>
    </message>
    <message>
        <source>Destination 3, Group 3</source>
        <translation>Bestemming 3, groep 3</translation>
    </message>
    <message>
        <source>Destination 3, Group 4</source>
        <translation>Bestemming 3, groep 4</translation>
    </message>
    <message>
        <source>Destination 3, Group 5</source>
        <translation>Bestemming 3, groep 5</translation>
    </message>
    <message>
        <source>Destination 4</source>
        <translation>Bestemming 4</translation>
    </message>
    <message>
        <source>Event 4</source>
        <translation>Gebeurtenis 4</translation>
    </message>
    <message>
        <source>Type 4</source>
        <translation>Type 4</translation>
    </message>
    <message>
        <source>Destination 4, Group 1</source>
        <translation>Bestemming 4, groep 1</translation>
    </message>
    <message>
        <source>Destination 4, Group 2</source>
        <translation>Bestemming 4, groep 2</translation>
    </message>
    <message>
        <source>Destination 4, Group 3</source>
        <translation>Bestemming 4, groep 3</translation>
    </message>
    <message>
        <source>Destination 4, Group 4</source>
        <translation>Bestemming 4, groep 4</translation>
    </message>
    <message>
        <source>Destination 4, Group 5</source>
        <translation>Bestemming 4, groep 5</translation>
    </message>
    <message>
        <source>Destination 5</source>
        <translation>Bestemming 5</translation>
    </message>
    <message>
        <source>Event 5</source>
        <translation>Gebeurtenis 5</translation>
    </message>
    <message>
        <source>Type 5</source>
        <translation>Type 5</translation>
    </message>
    <message>
        <source>Destination 5, Group 1</source>
        <translation>Bestemming 5, groep 1</translation>
    </message>
    <message>
        <source>Destination 5, Group 2</source>
        <translation>Bestemming 5, groep 2</translation>
    </message>
    <message>
        <source>Destination 5, Group 3</source>
        <translation>Bestemming 5, groep 3</translation>
    </message>
    <message>
        <source>Destination 5, Group 4</source>
        <translation>Bestemming 5, groep 4</translation>
    </message>
    <message>
        <source>Destination 5, Group 5</source>
        <translation>Bestemming 5, groep 5</translation>
    </message>
    <message>
        <source>Follow-on 2</source>
        <translation>Vervolg 2</translation>
    </message>
    <message>
        <source>Follow-on 3</source>
        <translation>Vervolg 3</translation>
    </message>
    <message>
        <source>Follow-on 4</source>
        <translation>Vervolg 4</translation>
    </message>
    <message>
        <source>Follow-on 5</source>
        <translation>Vervolg 5</translation>
    </message>
    <message>
        <source>Follow-on 6</source>
        <translation>Vervolg 6</translation>
    </message>
    <message>
        <source>Geo-fence 1</source>
        <translation>Geofence 1</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Cirkel</translation>
    </message>
    <message>
        <source>Polygon</source>
        <translation>Polygoon</translation>
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
        <translation>Alarm &amp; continu GPS</translation>
    </message>
    <message>
        <source>Debug level</source>
        <translation>Debugniveau</translation>
    </message>
</context>
</TS>
