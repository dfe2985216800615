<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Acknowledgement</name>
    <message>
        <source>Add Device command success!  </source>
        <translation>Commande ajout appareil réussie !  </translation>
    </message>
    <message>
        <source>Delete Device command success!  </source>
        <translation>Commande suppression appareil réussie !  </translation>
    </message>
    <message>
        <source>Reboot Device OK, please wait 30 seconds!</source>
        <translation>Redém. appareil OK, patientez 30 secondes !</translation>
    </message>
    <message>
        <source>Reboot GSM OK, please wait 30 seconds!</source>
        <translation>Redém. GSM OK, patientez 30 secondes !</translation>
    </message>
    <message>
        <source>Factory Reset OK, please wait 30 seconds!</source>
        <translation>Réinit. usine OK, patientez 30 secondes !</translation>
    </message>
    <message>
        <source>Factory Mode OK!</source>
        <translation>Mode usine OK !</translation>
    </message>
    <message>
        <source>Write command error! Check your Latitude &quot;and&quot; &quot;Longitude&quot; value</source>
        <translation>Erreur commande d&apos;écriture ! Vérifiez vos valeurs « Latitude » et « Longitude »</translation>
    </message>
    <message>
        <source>Write command error!  </source>
        <translation>Erreur commande d&apos;écriture !  </translation>
    </message>
    <message>
        <source>Geo-fence:</source>
        <translation>Géorepérage :</translation>
    </message>
    <message>
        <source>Forbidden-zone:</source>
        <translation>Zone interdite :</translation>
    </message>
    <message>
        <source>Write command success!  </source>
        <translation>Commande d&apos;écriture réussie !  </translation>
    </message>
</context>
<context>
    <name>AddSensorDialog</name>
    <message>
        <source>Add Sensor</source>
        <translation>Ajout capteur</translation>
    </message>
    <message>
        <source>Sensor ID( HEX. )</source>
        <translation>ID capteur( HEX. )</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>CompareDialog</name>
    <message>
        <source>Show equal settings</source>
        <translation>Voir param. identiques</translation>
    </message>
    <message>
        <source>Apply selected</source>
        <translation>Appliquer sélection</translation>
    </message>
    <message>
        <source>Compare with profile</source>
        <translation>Comparer au profil</translation>
    </message>
    <message>
        <source>%1 holds what the pages hold.</source>
        <translation>%1 contient ce que contiennent les pages.</translation>
    </message>
    <message>
        <source>1 setting of %1 differs from the pages.</source>
        <translation>1 paramètre de %1 diffère des pages.</translation>
    </message>
    <message>
        <source>%1 settings of %2 differ from the pages.</source>
        <translation>%1 paramètres de %2 diffèrent des pages.</translation>
    </message>
</context>
<context>
    <name>ConfigSheet</name>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Report destinations</source>
        <translation>Destinations de rapport</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destination</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Événement</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Groupe</translation>
    </message>
    <message>
        <source>Geo-fences</source>
        <translation>Géorepérages</translation>
    </message>
    <message>
        <source>Centre or vertices (latitude, longitude)</source>
        <translation>Centre ou sommets (latitude, longitude)</translation>
    </message>
    <message>
        <source>Radius (m)</source>
        <translation>Rayon (m)</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Configuration sheet</source>
        <translation>Fiche de configuration</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Tool version</source>
        <translation>Version de l&apos;outil</translation>
    </message>
    <message>
        <source>Model and version</source>
        <translation>Modèle et version</translation>
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
        <translation>Paramètre</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Paired sensors</source>
        <translation>Capteurs appairés</translation>
    </message>
    <message>
        <source>No sensor is paired.</source>
        <translation>Aucun capteur appairé.</translation>
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
        <translation>Page</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Paramètre</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
</context>
<context>
    <name>FirmwareUpgrade</name>
    <message>
        <source>&lt;h2&gt; Read file !&lt;/h2&gt;&lt;p&gt; </source>
        <translation>&lt;h2&gt; Lecture fichier !&lt;/h2&gt;&lt;p&gt; </translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>File too large! %1 bytes, at most %2 bytes.</source>
        <translation>Fichier trop volumineux ! %1 octets, %2 octets au plus.</translation>
    </message>
    <message>
        <source>Cannot open the file!</source>
        <translation>Impossible d&apos;ouvrir le fichier !</translation>
    </message>
    <message>
        <source>File Length Error!</source>
        <translation>Erreur longueur fichier !</translation>
    </message>
    <message>
        <source>Port not opened!</source>
        <translation>Port non ouvert !</translation>
    </message>
    <message>
        <source>Upgrade error!</source>
        <translation>Erreur de MAJ !</translation>
    </message>
    <message>
        <source>Upgrade File Length Error!</source>
        <translation>Erreur longueur fichier de MAJ !</translation>
    </message>
    <message>
        <source>MG Upgrade Finish. Please wait 30 seconds!</source>
        <translation>MAJ MG terminée. Patientez 30 secondes !</translation>
    </message>
    <message>
        <source>MG Upgrade Failure!</source>
        <translation>Échec MAJ MG !</translation>
    </message>
    <message>
        <source>MG Upgrade Failure!<byte value="xd"/>
The device stopped answering for %1 seconds.</source>
        <translation>Échec MAJ MG !<byte value="xd"/>
L&apos;appareil n&apos;a plus répondu pendant %1 secondes.</translation>
    </message>
    <message>
        <source>Total elapsed timer %1:%2 </source>
        <translation>Durée totale écoulée %1:%2 </translation>
    </message>
</context>
<context>
    <name>FormSheet</name>
    <message>
        <source>Checked</source>
        <translation>Coché</translation>
    </message>
    <message>
        <source>Unchecked</source>
        <translation>Non coché</translation>
    </message>
</context>
<context>
    <name>Frame</name>
    <message>
        <source>%1 may not contain &quot;,&quot;, &quot;;&quot; or control characters!</source>
        <translation>%1 ne doit contenir ni « , » ni « ; » ni caractère de contrôle !</translation>
    </message>
</context>
<context>
    <name>GeoFenceCodec</name>
    <message>
        <source>Max 10000 Meters!</source>
        <translation>10000 mètres max !</translation>
    </message>
    <message>
        <source>Min 200 Meters!</source>
        <translation>200 mètres min !</translation>
    </message>
    <message>
        <source>Digits only!</source>
        <translation>Chiffres uniquement !</translation>
    </message>
    <message>
        <source>Decimal six!</source>
        <translation>Six décimales max !</translation>
    </message>
    <message>
        <source>Geo-fence idx error!</source>
        <translation>Erreur index géorepérage !</translation>
    </message>
    <message>
        <source>Positive number only!</source>
        <translation>Nombre positif uniquement !</translation>
    </message>
    <message>
        <source>Version T37, T6_QX, T6_QX_P9, T35, T9 or T2 ?? GeoFence Format Error!</source>
        <translation>Version T37, T6_QX, T6_QX_P9, T35, T9 ou T2 ?? Erreur format géorepérage !</translation>
    </message>
    <message>
        <source>Forbidden-zone:</source>
        <translation>Zone interdite :</translation>
    </message>
    <message>
        <source>Geo-fence:</source>
        <translation>Géorepérage :</translation>
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
        <translation>[... %1 caractères de l&apos;ancien journal supprimés ...]</translation>
    </message>
</context>
<context>
    <name>ManageSerialPort</name>
    <message>
        <source>The port is already open</source>
        <translation>Le port est déjà ouvert</translation>
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
        <translation>Si aucun autre programme n&apos;utilise le port, votre utilisateur n&apos;a peut-être pas accès aux ports série : sudo usermod -aG dialout $USER, puis reconnectez-vous.</translation>
    </message>
    <message>
        <source>Another program is using the port; close it and try again.</source>
        <translation>Un autre programme utilise le port ; fermez-le et réessayez.</translation>
    </message>
    <message>
        <source>Only the port&apos;s owner may open it. Install the tool&apos;s udev rule (README, Troubleshooting) so the logged-in user may open it.</source>
        <translation>Seul le propriétaire du port peut l&apos;ouvrir. Installez la règle udev de l&apos;outil (README, Troubleshooting) pour que l&apos;utilisateur connecté puisse l&apos;ouvrir.</translation>
    </message>
    <message>
        <source>The port belongs to group %1; you were added to it after this session started. Log out and log in again.</source>
        <translation>Le port appartient au groupe %1 ; vous y avez été ajouté après le début de cette session. Déconnectez-vous puis reconnectez-vous.</translation>
    </message>
    <message>
        <source>The port belongs to group %1; you are not in it. Run: sudo usermod -aG %1 $USER, then log in again.</source>
        <translation>Le port appartient au groupe %1 ; vous n&apos;en faites pas partie. Exécutez : sudo usermod -aG %1 $USER, puis reconnectez-vous.</translation>
    </message>
    <message>
        <source>Can&apos;t open %1</source>
        <translation>Impossible d&apos;ouvrir %1</translation>
    </message>
    <message>
        <source>The port is held by %1.</source>
        <translation>Le port est occupé par %1.</translation>
    </message>
    <message>
        <source>ModemManager takes this port for a modem. Stop it while you work (sudo systemctl stop ModemManager) or install the tool&apos;s udev rule, which tells ModemManager to leave the device alone.</source>
        <translation>ModemManager prend ce port pour un modem. Arrêtez-le pendant votre travail (sudo systemctl stop ModemManager) ou installez la règle udev de l&apos;outil, qui indique à ModemManager de laisser l&apos;appareil tranquille.</translation>
    </message>
    <message>
        <source>The braille driver brltty takes some USB serial adapters. If you use no braille display, remove it (sudo apt remove brltty) or disable its udev rules (sudo systemctl mask brltty-udev.service), then plug the device in again.</source>
        <translation>Le pilote braille brltty prend certains adaptateurs série USB. Si vous n&apos;utilisez pas d&apos;afficheur braille, supprimez-le (sudo apt remove brltty) ou désactivez ses règles udev (sudo systemctl mask brltty-udev.service), puis rebranchez l&apos;appareil.</translation>
    </message>
</context>
<context>
    <name>PortNames</name>
    <message>
        <source>Description: %1</source>
        <translation>Description : %1</translation>
    </message>
    <message>
        <source>Manufacturer: %1</source>
        <translation>Fabricant : %1</translation>
    </message>
    <message>
        <source>Serial number: %1</source>
        <translation>N° de série : %1</translation>
    </message>
    <message>
        <source>USB ID: %1</source>
        <translation>ID USB : %1</translation>
    </message>
    <message>
        <source>By id: %1</source>
        <translation>Par id : %1</translation>
    </message>
</context>
<context>
    <name>ProfileDialog</name>
    <message>
        <source>Profile Manager</source>
        <translation>Gestion des profils</translation>
    </message>
    <message>
        <source>Profile List:</source>
        <translation>Liste des profils :</translation>
    </message>
    <message>
        <source>Module</source>
        <translation>Module</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Delete Profile</source>
        <translation>Supprimer profil</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Module:</source>
        <translation>Module :</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Profile:</source>
        <translation><byte value="xd"/>
Profil :</translation>
    </message>
    <message>
        <source>Do you want to delete <byte value="xd"/>
</source>
        <translation>Voulez-vous supprimer <byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Are you sure? <byte value="xd"/>
</source>
        <translation><byte value="xd"/>
Êtes-vous sûr ? <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Delete <byte value="xd"/>
</source>
        <translation>Supprimer <byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
 failed !<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
 échec !<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
 success !</source>
        <translation><byte value="xd"/>
 réussi !</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Dossier :</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Ouvrir dossier</translation>
    </message>
    <message>
        <source>The folder %1 could not be opened in the file manager.</source>
        <translation>Impossible d&apos;ouvrir le dossier %1 dans le gestionnaire de fichiers.</translation>
    </message>
</context>
<context>
    <name>ProfileNameDialog</name>
    <message>
        <source>New Profile</source>
        <translation>Nouveau profil</translation>
    </message>
    <message>
        <source>New Profile name</source>
        <translation>Nom nouveau profil</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nom de fichier</translation>
    </message>
    <message>
        <source>File name has been used!</source>
        <translation>Nom de fichier déjà utilisé !</translation>
    </message>
    <message>
        <source>Save Profile As</source>
        <translation>Enreg. profil sous</translation>
    </message>
    <message>
        <source>Save Profile As ...</source>
        <translation>Enreg. profil sous ...</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>%1 is too large for a profile</source>
        <translation>%1 est trop volumineux pour un profil</translation>
    </message>
    <message>
        <source>%1 is not a profile: no line names a setting of the pages.</source>
        <translation>%1 n&apos;est pas un profil : aucune ligne ne désigne un paramètre des pages.</translation>
    </message>
</context>
<context>
    <name>ReportCodec</name>
    <message>
        <source>Report idx error!</source>
        <translation>Erreur index rapport !</translation>
    </message>
    <message>
        <source>Report destination %1</source>
        <translation>Destination de rapport %1</translation>
    </message>
</context>
<context>
    <name>RestoreBackupDialog</name>
    <message>
        <source>Load</source>
        <translation>Charger</translation>
    </message>
    <message>
        <source>Restore backup</source>
        <translation>Restaurer sauvegarde</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Appareil</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Motif</translation>
    </message>
    <message>
        <source>Filter by device</source>
        <translation>Filtrer par appareil</translation>
    </message>
    <message>
        <source>&amp;Device:</source>
        <translation>&amp;Appareil :</translation>
    </message>
    <message>
        <source>Backups in %1</source>
        <translation>Sauvegardes dans %1</translation>
    </message>
    <message>
        <source>There are no backups yet.</source>
        <translation>Aucune sauvegarde pour l&apos;instant.</translation>
    </message>
    <message>
        <source>No backup of such a device.</source>
        <translation>Aucune sauvegarde de cet appareil.</translation>
    </message>
    <message>
        <source>The pages hold what this backup holds.</source>
        <translation>Les pages contiennent ce que contient cette sauvegarde.</translation>
    </message>
    <message>
        <source>1 setting differs from the pages.</source>
        <translation>1 paramètre diffère des pages.</translation>
    </message>
    <message>
        <source>%1 settings differ from the pages.</source>
        <translation>%1 paramètres diffèrent des pages.</translation>
    </message>
    <message>
        <source>Write All</source>
        <translation>Tout écrire</translation>
    </message>
    <message>
        <source>Firmware upgrade</source>
        <translation>MAJ du firmware</translation>
    </message>
    <message>
        <source>Factory Reset</source>
        <translation>Réinit. usine</translation>
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
        <translation>Type d&apos;appareil vide ! Veuillez relire !</translation>
    </message>
    <message>
        <source>Sensor ID error!(format1)</source>
        <translation>Erreur ID capteur !(format1)</translation>
    </message>
    <message>
        <source>Sensor ID error!(format2)</source>
        <translation>Erreur ID capteur !(format2)</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Read configuration success!</source>
        <translation>Lecture de la configuration réussie !</translation>
    </message>
    <message>
        <source>T9_W5 or T47 or T41 or T68 only!</source>
        <translation>T9_W5, T47, T41 ou T68 uniquement !</translation>
    </message>
    <message>
        <source>Geo fence:</source>
        <translation>Géorepérage :</translation>
    </message>
    <message>
        <source>Read stopped: the answer to &quot;RPT?:%1&quot; names no destination.</source>
        <translation>Lecture arrêtée : la réponse à « RPT?:%1 » ne désigne aucune destination.</translation>
    </message>
    <message>
        <source>Report write</source>
        <translation>Écriture rapport</translation>
    </message>
    <message>
        <source>Sensor list</source>
        <translation>Liste des capteurs</translation>
    </message>
    <message>
        <source>Write All</source>
        <translation>Tout écrire</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Serial Port is not open! &quot;Write All&quot;</source>
        <translation>Port série non ouvert ! « Tout écrire »</translation>
    </message>
    <message>
        <source>Read the configuration of a supported device first! &quot;Write All&quot;</source>
        <translation>Lisez d&apos;abord la configuration d&apos;un appareil pris en charge ! « Tout écrire »</translation>
    </message>
    <message>
        <source>Port not opened!</source>
        <translation>Port non ouvert !</translation>
    </message>
    <message>
        <source>The device refused &quot;%1&quot;. %2 stopped.</source>
        <translation>L&apos;appareil a refusé « %1 ». %2 : arrêt.</translation>
    </message>
    <message>
        <source>The device did not answer &quot;%1&quot;. %2 stopped.</source>
        <translation>L&apos;appareil n&apos;a pas répondu à « %1 ». %2 : arrêt.</translation>
    </message>
    <message>
        <source>Serial Port is not open! &quot;Read&quot;</source>
        <translation>Port série non ouvert ! « Lire »</translation>
    </message>
    <message>
        <source>Write command success!  </source>
        <translation>Commande d&apos;écriture réussie !  </translation>
    </message>
    <message>
        <source>MG Upgrade Failure!<byte value="xd"/>
The port was closed.</source>
        <translation>Échec MAJ MG !<byte value="xd"/>
Le port a été fermé.</translation>
    </message>
    <message>
        <source>Write all configuration success!</source>
        <translation>Écriture de toute la configuration réussie !</translation>
    </message>
    <message>
        <source>Write All stopped: check the value on the &quot;%1&quot; page.</source>
        <translation>Tout écrire arrêté : vérifiez la valeur de la page « %1 ».</translation>
    </message>
    <message>
        <source>Countdown finish. Read Configuration!</source>
        <translation>Décompte terminé. Lire la configuration !</translation>
    </message>
    <message>
        <source>Write All is still writing the device; wait until it has finished.</source>
        <translation>« Tout écrire » écrit encore dans l&apos;appareil ; attendez la fin.</translation>
    </message>
    <message>
        <source>The device is being read back to check what was written; wait until it has finished.</source>
        <translation>L&apos;appareil est relu pour vérifier ce qui a été écrit ; attendez la fin.</translation>
    </message>
</context>
<context>
    <name>SmsCodec</name>
    <message>
        <source>Min. %1 Max. %2-characters</source>
        <translation>Min. %1 max. %2 caractères</translation>
    </message>
    <message>
        <source>Keyword length error!</source>
        <translation>Erreur longueur mot-clé !</translation>
    </message>
    <message>
        <source>SMS Keyword</source>
        <translation>Mot-clé SMS</translation>
    </message>
    <message>
        <source>Access Code</source>
        <translation>Code d&apos;accès</translation>
    </message>
    <message>
        <source>Min. 4 Max. 8-characters</source>
        <translation>Min. 4 max. 8 caractères</translation>
    </message>
    <message>
        <source>APN Name</source>
        <translation>Nom APN</translation>
    </message>
    <message>
        <source>APN User</source>
        <translation>Util. APN</translation>
    </message>
    <message>
        <source>APN Password</source>
        <translation>Mot de passe APN</translation>
    </message>
    <message>
        <source>XML User</source>
        <translation>Util. XML</translation>
    </message>
    <message>
        <source>XML Password</source>
        <translation>Mot de passe XML</translation>
    </message>
    <message>
        <source>Caller ID1</source>
        <translation>ID appelant1</translation>
    </message>
    <message>
        <source>Caller ID2</source>
        <translation>ID appelant2</translation>
    </message>
    <message>
        <source>Digits only !</source>
        <translation>Chiffres uniquement !</translation>
    </message>
    <message>
        <source>Max. telephone number %1 digits !</source>
        <translation>N° de téléphone : %1 chiffres max !</translation>
    </message>
</context>
<context>
    <name>UnwrittenEdits</name>
    <message>
        <source>Changed here since the device was last read or written</source>
        <translation>Modifié ici depuis la dernière lecture ou écriture de l&apos;appareil</translation>
    </message>
</context>
<context>
    <name>Velomi</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>A firmware upgrade is running. Closing now stops it, and the device may be left without working firmware.

Stop the upgrade and close?</source>
        <translation>Une mise à jour du firmware est en cours. Fermer maintenant l&apos;interrompt, et l&apos;appareil risque de rester sans firmware fonctionnel.

Arrêter la mise à jour et fermer ?</translation>
    </message>
    <message>
        <source>&lt;h3&gt; Velomi PC Tool&lt;/h3&gt;%1</source>
        <translation>&lt;h3&gt; Velomi PC Tool&lt;/h3&gt;%1</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Backup saved: %1</source>
        <translation>Sauvegarde enregistrée : %1</translation>
    </message>
    <message>
        <source>%1

Go on without a backup?</source>
        <translation>%1

Continuer sans sauvegarde ?</translation>
    </message>
    <message>
        <source>%1, %2: written &quot;%3&quot;, read back &quot;%4&quot;</source>
        <translation>%1, %2 : écrit « %3 », relu « %4 »</translation>
    </message>
    <message>
        <source>The device holds what was written.</source>
        <translation>L&apos;appareil contient ce qui a été écrit.</translation>
    </message>
    <message>
        <source>Factory Reset sets every setting of the device back to its factory value. Reset the device?</source>
        <translation>La réinitialisation usine remet chaque paramètre de l&apos;appareil à sa valeur d&apos;usine. Réinitialiser l&apos;appareil ?</translation>
    </message>
    <message>
        <source>Write all config. ZAROrazram, APN, Report and Settings tabs. Are you sure?</source>
        <translation>Écrire toute la config. Onglets ZAROrazram, APN, Rapport et Paramètres. Êtes-vous sûr ?</translation>
    </message>
    <message>
        <source>Write all config. ZAROrazram, APN, Report, Geo-fence and Settings tabs. Are you sure?</source>
        <translation>Écrire toute la config. Onglets ZAROrazram, APN, Rapport, Géorepérage et Paramètres. Êtes-vous sûr ?</translation>
    </message>
    <message>
        <source>No backup can be made: nothing was read from the device since the port opened.</source>
        <translation>Aucune sauvegarde possible : rien n&apos;a été lu sur l&apos;appareil depuis l&apos;ouverture du port.</translation>
    </message>
    <message>
        <source>Velomi Tool</source>
        <translation>Velomi Tool</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Ouvrir fichier</translation>
    </message>
    <message>
        <source>Images (*.*)</source>
        <translation>Images (*.*)</translation>
    </message>
    <message>
        <source>Compare with profile</source>
        <translation>Comparer au profil</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Défaut du système</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>The language changes when the tool is started again.</source>
        <translation>La langue change au prochain démarrage de l&apos;outil.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Device</source>
        <translation>Appa&amp;reil</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Paramètres</translation>
    </message>
    <message>
        <source>Restore backup...</source>
        <translation>Restaurer sauvegarde...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Open port</source>
        <translation>&amp;Ouvrir port</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Close port</source>
        <translation>&amp;Fermer port</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Lire</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>&amp;Write All</source>
        <translation>&amp;Tout écrire</translation>
    </message>
    <message>
        <source>Ctrl+W</source>
        <translation>Ctrl+W</translation>
    </message>
    <message>
        <source>Compare with profile...</source>
        <translation>Comparer au profil...</translation>
    </message>
    <message>
        <source>Profiles and backups (*.txt);;All files (*)</source>
        <translation>Profils et sauvegardes (*.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The device was disconnected.
%1</source>
        <translation>L&apos;appareil a été déconnecté.
%1</translation>
    </message>
    <message>
        <source>The profile keeps these fields only up to their first &quot;:&quot;:
%1</source>
        <translation>Le profil ne garde ces champs que jusqu&apos;à leur premier « : » :
%1</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Sans</translation>
    </message>
    <message>
        <source>ComPort: Disconnect ...</source>
        <translation>ComPort : déconnexion ...</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tous</translation>
    </message>
    <message>
        <source>Emergency</source>
        <translation>Urgence</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Enable(Ring)</source>
        <translation>Activé(Sonnerie)</translation>
    </message>
    <message>
        <source>Enable(Auto-Answer)</source>
        <translation>Activé(Réponse auto)</translation>
    </message>
    <message>
        <source>Close the window anyway? The changes are lost.</source>
        <translation>Fermer la fenêtre quand même ? Les modifications seront perdues.</translation>
    </message>
    <message>
        <source>Cann&apos;t find default file!</source>
        <translation>Fichier par défaut introuvable !</translation>
    </message>
    <message>
        <source>Cannot write the sensor list %1: %2</source>
        <translation>Impossible d&apos;écrire la liste des capteurs %1 : %2</translation>
    </message>
    <message>
        <source>Write All</source>
        <translation>Tout écrire</translation>
    </message>
    <message>
        <source>the Write button of the %1 page</source>
        <translation>le bouton Écrire de la page %1</translation>
    </message>
    <message>
        <source>The device does not hold every setting %1 wrote:
%2</source>
        <translation>L&apos;appareil ne contient pas tous les paramètres écrits par %1 :
%2</translation>
    </message>
    <message>
        <source>Undo read</source>
        <translation>Annuler la lecture</translation>
    </message>
    <message>
        <source>Verify after writing</source>
        <translation>Vérifier après écriture</translation>
    </message>
    <message>
        <source>Undo read waits until the device has answered.</source>
        <translation>L&apos;annulation de la lecture attend la réponse de l&apos;appareil.</translation>
    </message>
    <message>
        <source>The values the read replaced are back; they are not written to the device.</source>
        <translation>Les valeurs remplacées par la lecture sont rétablies ; elles ne sont pas écrites dans l&apos;appareil.</translation>
    </message>
    <message>
        <source>These pages hold changes that are not written to the device: %1.

%2</source>
        <translation>Ces pages contiennent des modifications non écrites dans l&apos;appareil : %1.

%2</translation>
    </message>
    <message>
        <source>Device ID Length error!</source>
        <translation>Erreur longueur ID appareil !</translation>
    </message>
    <message>
        <source>Select delete device!</source>
        <translation>Sélectionnez l&apos;appareil à supprimer !</translation>
    </message>
    <message>
        <source>&lt;h2&gt; read file !&lt;/h2&gt;&lt;p&gt; cancel  timer stop !</source>
        <translation>&lt;h2&gt; lecture fichier !&lt;/h2&gt;&lt;p&gt; annulée  minuterie arrêtée !</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>ComPort: Connected...</source>
        <translation>ComPort : connecté...</translation>
    </message>
    <message>
        <source>Close the port anyway?</source>
        <translation>Fermer le port quand même ?</translation>
    </message>
    <message>
        <source>ComPort: Disconnect...</source>
        <translation>ComPort : déconnexion...</translation>
    </message>
    <message>
        <source>Current Setting</source>
        <translation>Paramètres actuels</translation>
    </message>
    <message>
        <source>Profile Manager</source>
        <translation>Gestion des profils</translation>
    </message>
    <message>
        <source>Cann&apos;t find the default file !</source>
        <translation>Fichier par défaut introuvable !</translation>
    </message>
    <message>
        <source>Cann&apos;t find the file ! <byte value="xd"/>
Please new Profile !</source>
        <translation>Fichier introuvable ! <byte value="xd"/>
Créez un nouveau profil !</translation>
    </message>
    <message>
        <source>Save file success!</source>
        <translation>Fichier enregistré !</translation>
    </message>
    <message>
        <source>Export configuration sheet...</source>
        <translation>Exporter la fiche de configuration...</translation>
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
        <translation>Exporter la fiche de configuration</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimer...</translation>
    </message>
    <message>
        <source>Configuration sheet</source>
        <translation>Fiche de configuration</translation>
    </message>
    <message>
        <source>The configuration sheet is written as PDF (.pdf) or HTML (.html), not as %1.</source>
        <translation>La fiche de configuration s&apos;écrit en PDF (.pdf) ou en HTML (.html), pas en %1.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d&apos;écrire %1 : %2</translation>
    </message>
    <message>
        <source>Configuration sheet written to %1</source>
        <translation>Fiche de configuration écrite dans %1</translation>
    </message>
    <message>
        <source>Save log...</source>
        <translation>Enregistrer le journal...</translation>
    </message>
    <message>
        <source>Save log</source>
        <translation>Enregistrer le journal</translation>
    </message>
    <message>
        <source>Text files (*.txt *.log);;All files (*)</source>
        <translation>Fichiers texte (*.txt *.log);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Keep a log file</source>
        <translation>Tenir un fichier journal</translation>
    </message>
    <message>
        <source>Where is the manual?</source>
        <translation>Où est le manuel ?</translation>
    </message>
    <message>
        <source>The manual comes as manual pages: &quot;man velomi&quot; for this window and &quot;man velomi-cli&quot; for the command line. README.md, which comes with the tool, gives the same in short.

Profiles: %1
Backups: %2
Log files: %3</source>
        <translation>Le manuel se présente sous forme de pages de manuel : « man velomi » pour cette fenêtre et « man velomi-cli » pour la ligne de commande. README.md, fourni avec l&apos;outil, en donne un résumé.

Profils : %1
Sauvegardes : %2
Fichiers journaux : %3</translation>
    </message>
    <message>
        <source>The log could not be saved to %1:
%2</source>
        <translation>Impossible d&apos;enregistrer le journal dans %1 :
%2</translation>
    </message>
    <message>
        <source>Log saved to %1</source>
        <translation>Journal enregistré dans %1</translation>
    </message>
    <message>
        <source>No log file is kept: the folder %1 cannot be made.</source>
        <translation>Aucun fichier journal n&apos;est tenu : impossible de créer le dossier %1.</translation>
    </message>
    <message>
        <source>No log file is kept: %1 cannot be written:
%2</source>
        <translation>Aucun fichier journal n&apos;est tenu : impossible d&apos;écrire %1 :
%2</translation>
    </message>
    <message>
        <source>The log file %1 could not be written and is no longer kept:
%2</source>
        <translation>Impossible d&apos;écrire le fichier journal %1, il n&apos;est plus tenu :
%2</translation>
    </message>
    <message>
        <source>Reconnect automatically</source>
        <translation>Reconnexion automatique</translation>
    </message>
    <message>
        <source>Waiting for the device to come back...</source>
        <translation>Attente du retour de l&apos;appareil...</translation>
    </message>
    <message>
        <source>The device is back on %1.</source>
        <translation>L&apos;appareil est de retour sur %1.</translation>
    </message>
    <message>
        <source>The device did not come back within %1 seconds. Check its cable, then open the port again.</source>
        <translation>L&apos;appareil n&apos;est pas revenu en %1 secondes. Vérifiez son câble, puis rouvrez le port.</translation>
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
        <translation>Débit</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Données</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Parité</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>FlowCtrl</source>
        <translation>Ctrl flux</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Mobile</source>
        <translation>Mobile</translation>
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
        <translation>Nouveau profil</translation>
    </message>
    <message>
        <source>Save Profile</source>
        <translation>Enreg. profil</translation>
    </message>
    <message>
        <source>Save Profile As</source>
        <translation>Enreg. profil sous</translation>
    </message>
    <message>
        <source>Profile Manager</source>
        <translation>Gestion des profils</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Write All</source>
        <translation>Tout écrire</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Commande</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informations</translation>
    </message>
    <message>
        <source>Software Version</source>
        <translation>Version logiciel</translation>
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
        <translation>Opérateur</translation>
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
        <translation>Données paquets émises &lt;octets&gt;</translation>
    </message>
    <message>
        <source>Packet Data Receive &lt;bytes&gt;</source>
        <translation>Données paquets reçues &lt;octets&gt;</translation>
    </message>
    <message>
        <source>Load Information</source>
        <translation>Charger infos</translation>
    </message>
    <message>
        <source>SMS Program</source>
        <translation>Prog. SMS</translation>
    </message>
    <message>
        <source>SMS Keyword</source>
        <translation>Mot-clé SMS</translation>
    </message>
    <message>
        <source>KTVW</source>
        <translation>KTVW</translation>
    </message>
    <message>
        <source>Max 15 characters</source>
        <translation>15 caractères max</translation>
    </message>
    <message>
        <source>Access Code</source>
        <translation>Code d&apos;accès</translation>
    </message>
    <message>
        <source>4826</source>
        <translation>4826</translation>
    </message>
    <message>
        <source>4-8 digits</source>
        <translation>4-8 chiffres</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Écrire</translation>
    </message>
    <message>
        <source>Save default</source>
        <translation>Enreg. défaut</translation>
    </message>
    <message>
        <source>Load default</source>
        <translation>Charger défaut</translation>
    </message>
    <message>
        <source>APN Name</source>
        <translation>Nom APN</translation>
    </message>
    <message>
        <source>internet</source>
        <translation>internet</translation>
    </message>
    <message>
        <source>APN User</source>
        <translation>Util. APN</translation>
    </message>
    <message>
        <source>APN Password</source>
        <translation>Mot de passe APN</translation>
    </message>
    <message>
        <source>Mobility</source>
        <translation>Mobilité</translation>
    </message>
    <message>
        <source>Enable Inactivity Monitoring</source>
        <translation>Activer surveillance inactivité</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Mode :</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervalle</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Plage horaire</translation>
    </message>
    <message>
        <source>Inactivity Interval:</source>
        <translation>Intervalle inactivité :</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 heure</translation>
    </message>
    <message>
        <source>2 hours</source>
        <translation>2 heures</translation>
    </message>
    <message>
        <source>4 hours</source>
        <translation>4 heures</translation>
    </message>
    <message>
        <source>6 hours</source>
        <translation>6 heures</translation>
    </message>
    <message>
        <source>8 hours</source>
        <translation>8 heures</translation>
    </message>
    <message>
        <source>12 hours</source>
        <translation>12 heures</translation>
    </message>
    <message>
        <source>14 hours</source>
        <translation>14 heures</translation>
    </message>
    <message>
        <source>16 hours</source>
        <translation>16 heures</translation>
    </message>
    <message>
        <source>18 hours</source>
        <translation>18 heures</translation>
    </message>
    <message>
        <source>20 hours</source>
        <translation>20 heures</translation>
    </message>
    <message>
        <source>22 hours</source>
        <translation>22 heures</translation>
    </message>
    <message>
        <source>24 hours</source>
        <translation>24 heures</translation>
    </message>
    <message>
        <source>25 hours</source>
        <translation>25 heures</translation>
    </message>
    <message>
        <source>26 hours</source>
        <translation>26 heures</translation>
    </message>
    <message>
        <source>28 hours</source>
        <translation>28 heures</translation>
    </message>
    <message>
        <source>30 hours</source>
        <translation>30 heures</translation>
    </message>
    <message>
        <source>Warning Period:</source>
        <translation>Pré-alerte :</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Désactivé</translation>
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
        <translation>Action début/fin :</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <source>Inactivity Schedule 1:</source>
        <translation>Plage inactivité 1 :</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>De :</translation>
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
        <translation>À :</translation>
    </message>
    <message>
        <source>Interval:</source>
        <translation>Intervalle :</translation>
    </message>
    <message>
        <source>Inactivity Schedule 2:</source>
        <translation>Plage inactivité 2 :</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>No:</source>
        <translation>N° :</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destination</translation>
    </message>
    <message>
        <source>  Event</source>
        <translation>  Événement</translation>
    </message>
    <message>
        <source>   Type</source>
        <translation>   Type</translation>
    </message>
    <message>
        <source>Group1</source>
        <translation>Groupe1</translation>
    </message>
    <message>
        <source>Group2</source>
        <translation>Groupe2</translation>
    </message>
    <message>
        <source>Group3</source>
        <translation>Groupe3</translation>
    </message>
    <message>
        <source>Group4</source>
        <translation>Groupe4</translation>
    </message>
    <message>
        <source>Group5</source>
        <translation>Groupe5</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tous</translation>
    </message>
    <message>
        <source>Emergency</source>
        <translation>Urgence</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Report2</source>
        <translation>Rapport2</translation>
    </message>
    <message>
        <source>  Follow-on:  </source>
        <translation>  Suite :  </translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Voice, 2-way</source>
        <translation>Phonie, bidir.</translation>
    </message>
    <message>
        <source>Talk only</source>
        <translation>Parole seule</translation>
    </message>
    <message>
        <source>Listen-in only</source>
        <translation>Écoute seule</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>Attente</translation>
    </message>
    <message>
        <source>GSM On/Off Function</source>
        <translation>Fonction GSM M/A</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>XML Function</source>
        <translation>Fonction XML</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>Util. :</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Mot de passe :</translation>
    </message>
    <message>
        <source>Geo-fence</source>
        <translation>Géorepérage</translation>
    </message>
    <message>
        <source>No:1</source>
        <translation>N° :1</translation>
    </message>
    <message>
        <source>Geo-fence:</source>
        <translation>Géorepérage :</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Circle Range</source>
        <translation>Zone circulaire</translation>
    </message>
    <message>
        <source>Polygon Range</source>
        <translation>Zone polygonale</translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation>Latitude :</translation>
    </message>
    <message>
        <source>-90 ~ 90</source>
        <translation>-90 ~ 90</translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>Longitude :</translation>
    </message>
    <message>
        <source>-180 ~ 180</source>
        <translation>-180 ~ 180</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation>Rayon</translation>
    </message>
    <message>
        <source>200 ~ 10,000 Meters</source>
        <translation>200 ~ 10 000 mètres</translation>
    </message>
    <message>
        <source>Polygon Vertex Number:</source>
        <translation>Nombre de sommets :</translation>
    </message>
    <message>
        <source>Latitude1:</source>
        <translation>Latitude1 :</translation>
    </message>
    <message>
        <source>Longitude1:</source>
        <translation>Longitude1 :</translation>
    </message>
    <message>
        <source>Latitude2:</source>
        <translation>Latitude2 :</translation>
    </message>
    <message>
        <source>Longitude2:</source>
        <translation>Longitude2 :</translation>
    </message>
    <message>
        <source>Latitude3:</source>
        <translation>Latitude3 :</translation>
    </message>
    <message>
        <source>Longitude3:</source>
        <translation>Longitude3 :</translation>
    </message>
    <message>
        <source>Latitude4:</source>
        <translation>Latitude4 :</translation>
    </message>
    <message>
        <source>Longitude4:</source>
        <translation>Longitude4 :</translation>
    </message>
    <message>
        <source>No:2</source>
        <translation>N° :2</translation>
    </message>
    <message>
        <source>No:3</source>
        <translation>N° :3</translation>
    </message>
    <message>
        <source>Forbidden Zones</source>
        <translation>Zones interdites</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Guard Time</source>
        <translation>Délai garde</translation>
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
        <translation>Délai garde capteur chute</translation>
    </message>
    <message>
        <source>Fall Detection</source>
        <translation>Détection de chute</translation>
    </message>
    <message>
        <source>Fall Sensor Sensitivity</source>
        <translation>Sensib. capteur de chute</translation>
    </message>
    <message>
        <source>Mobile Fall Detection Sensitivity</source>
        <translation>Sensib. détection chute mobile</translation>
    </message>
    <message>
        <source>Auto Check-in Interval</source>
        <translation>Intervalle test cyclique</translation>
    </message>
    <message>
        <source>2 hour</source>
        <translation>2 heures</translation>
    </message>
    <message>
        <source>4 hour</source>
        <translation>4 heures</translation>
    </message>
    <message>
        <source>6 hour</source>
        <translation>6 heures</translation>
    </message>
    <message>
        <source>8 hour</source>
        <translation>8 heures</translation>
    </message>
    <message>
        <source>12 hour</source>
        <translation>12 heures</translation>
    </message>
    <message>
        <source>1 day</source>
        <translation>1 jour</translation>
    </message>
    <message>
        <source>2 day</source>
        <translation>2 jours</translation>
    </message>
    <message>
        <source>3 day</source>
        <translation>3 jours</translation>
    </message>
    <message>
        <source>4 day</source>
        <translation>4 jours</translation>
    </message>
    <message>
        <source>5 day</source>
        <translation>5 jours</translation>
    </message>
    <message>
        <source>6 day</source>
        <translation>6 jours</translation>
    </message>
    <message>
        <source>7 day</source>
        <translation>7 jours</translation>
    </message>
    <message>
        <source>15 day</source>
        <translation>15 jours</translation>
    </message>
    <message>
        <source>30 day</source>
        <translation>30 jours</translation>
    </message>
    <message>
        <source>Auto Check-in Offset</source>
        <translation>Décalage test cyclique</translation>
    </message>
    <message>
        <source>Supervision Timer</source>
        <translation>Délai supervision</translation>
    </message>
    <message>
        <source>10 day</source>
        <translation>10 jours</translation>
    </message>
    <message>
        <source>Alarm &amp; Continuous GPS </source>
        <translation>Alarme &amp; GPS continu </translation>
    </message>
    <message>
        <source>Sleep Mode</source>
        <translation>Mode veille</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Allemand</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>Callback Check Access code</source>
        <translation>Rappel : vérif. code d&apos;accès</translation>
    </message>
    <message>
        <source>Press sensor button to end call</source>
        <translation>Bouton capteur pour raccrocher</translation>
    </message>
    <message>
        <source>Help Event</source>
        <translation>Événement SOS</translation>
    </message>
    <message>
        <source>Medical(100)</source>
        <translation>Médical(100)</translation>
    </message>
    <message>
        <source>Emergency (101)</source>
        <translation>Urgence (101)</translation>
    </message>
    <message>
        <source>Panic (120)</source>
        <translation>Panique (120)</translation>
    </message>
    <message>
        <source>Speech Report Ack</source>
        <translation>Acquit. rapport vocal</translation>
    </message>
    <message>
        <source>Off Hook</source>
        <translation>Décroché</translation>
    </message>
    <message>
        <source>Any DTMF</source>
        <translation>Tout DTMF</translation>
    </message>
    <message>
        <source>Answer Incoming Call</source>
        <translation>Réponse appel entrant</translation>
    </message>
    <message>
        <source>Incoming Call
 Check Access code</source>
        <translation>Appel entrant
 Vérif. code d&apos;accès</translation>
    </message>
    <message>
        <source>Two-way Timer</source>
        <translation>Durée phonie</translation>
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
        <translation>Délai de rappel</translation>
    </message>
    <message>
        <source>120 min</source>
        <translation>120 min</translation>
    </message>
    <message>
        <source>Speaker volume level</source>
        <translation>Volume haut-parleur</translation>
    </message>
    <message>
        <source>Mobile Silent</source>
        <translation>Mobile silencieux</translation>
    </message>
    <message>
        <source>Guard Time Sound</source>
        <translation>Son délai garde</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Marche</translation>
    </message>
    <message>
        <source>Confirmation Sound</source>
        <translation>Son de confirmation</translation>
    </message>
    <message>
        <source>Voice Prompt</source>
        <translation>Annonce vocale</translation>
    </message>
    <message>
        <source>Type 1: call progress messages</source>
        <translation>Type 1 : messages d&apos;état d&apos;appel</translation>
    </message>
    <message>
        <source>Type 2: GSM signail  messages</source>
        <translation>Type 2 : messages  signal GSM</translation>
    </message>
    <message>
        <source>Type 3: battery ( status ) progress messages</source>
        <translation>Type 3 : messages batterie ( état )</translation>
    </message>
    <message>
        <source>Type 4: battery power percentage messages</source>
        <translation>Type 4 : messages pourcentage batterie</translation>
    </message>
    <message>
        <source>GPS Tracker Report</source>
        <translation>Rapport traceur GPS</translation>
    </message>
    <message>
        <source>Use Last Position</source>
        <translation>Dernière position</translation>
    </message>
    <message>
        <source>AGPS</source>
        <translation>AGPS</translation>
    </message>
    <message>
        <source>Caller ID1</source>
        <translation>ID appelant1</translation>
    </message>
    <message>
        <source>Caller ID2</source>
        <translation>ID appelant2</translation>
    </message>
    <message>
        <source>Geofence Alert and Continuous GPS report: </source>
        <translation>Alerte géorepérage et rapport GPS continu : </translation>
    </message>
    <message>
        <source>Report period</source>
        <translation>Période rapport</translation>
    </message>
    <message>
        <source>3 hours</source>
        <translation>3 heures</translation>
    </message>
    <message>
        <source>5 hours</source>
        <translation>5 heures</translation>
    </message>
    <message>
        <source>Report interval timer</source>
        <translation>Intervalle de rapport</translation>
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
        <translation>Paramètres2</translation>
    </message>
    <message>
        <source>Two way volume level</source>
        <translation>Volume phonie</translation>
    </message>
    <message>
        <source>Test Mode timeout</source>
        <translation>Durée mode test</translation>
    </message>
    <message>
        <source>Supervision Timer Repeated</source>
        <translation>Délai supervision répété</translation>
    </message>
    <message>
        <source>1 week</source>
        <translation>1 semaine</translation>
    </message>
    <message>
        <source>Cell Locate</source>
        <translation>Loc. cellulaire</translation>
    </message>
    <message>
        <source>Reporting Mode</source>
        <translation>Mode de rapport</translation>
    </message>
    <message>
        <source>Indoor</source>
        <translation>Intérieur</translation>
    </message>
    <message>
        <source>Outdoor</source>
        <translation>Extérieur</translation>
    </message>
    <message>
        <source>GSM Power down(GSMSD)</source>
        <translation>Arrêt GSM(GSMSD)</translation>
    </message>
    <message>
        <source>RF Device Ignore</source>
        <translation>Ignorer périph. RF</translation>
    </message>
    <message>
        <source>RF Device GPS Action</source>
        <translation>Action GPS périph. RF</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Appareil</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>Device Type</source>
        <translation>Type appareil</translation>
    </message>
    <message>
        <source>Add Sensor</source>
        <translation>Ajout capteur</translation>
    </message>
    <message>
        <source>Delete Sensor</source>
        <translation>Suppr. capteur</translation>
    </message>
    <message>
        <source>Misc.</source>
        <translation>Divers</translation>
    </message>
    <message>
        <source>Scream duration</source>
        <translation>Durée sirène</translation>
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
        <translation>Sirène</translation>
    </message>
    <message>
        <source>Debug Disable</source>
        <translation>Débogage inactif</translation>
    </message>
    <message>
        <source>Debug Enable1</source>
        <translation>Débogage actif1</translation>
    </message>
    <message>
        <source>Debug Enable2</source>
        <translation>Débogage actif2</translation>
    </message>
    <message>
        <source>Signal Strength</source>
        <translation>Niveau signal</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Reboot Device</source>
        <translation>Redém. appareil</translation>
    </message>
    <message>
        <source>Reboot GSM</source>
        <translation>Redém. GSM</translation>
    </message>
    <message>
        <source>Factory Reset</source>
        <translation>Réinit. usine</translation>
    </message>
    <message>
        <source> OMADM FOTA start</source>
        <translation> Début OMADM FOTA</translation>
    </message>
    <message>
        <source> OMADM FOTA end</source>
        <translation> Fin OMADM FOTA</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Firmware File CRC</source>
        <translation>CRC fichier firmware</translation>
    </message>
    <message>
        <source>0000</source>
        <translation>0000</translation>
    </message>
    <message>
        <source>FW File Length</source>
        <translation>Taille fichier FW</translation>
    </message>
    <message>
        <source>Total Uprade Error</source>
        <translation>Total erreurs MAJ</translation>
    </message>
    <message>
        <source>Timer:</source>
        <translation>Délai :</translation>
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
        <translation>millisecondes</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Temps :</translation>
    </message>
    <message>
        <source>AT!XUPGRADE</source>
        <translation>AT!XUPGRADE</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>From minute</source>
        <translation>Minute de début</translation>
    </message>
    <message>
        <source>To minute</source>
        <translation>Minute de fin</translation>
    </message>
    <message>
        <source>Destination 1</source>
        <translation>Destination 1</translation>
    </message>
    <message>
        <source>Event 1</source>
        <translation>Événement 1</translation>
    </message>
    <message>
        <source>Type 1</source>
        <translation>Type 1</translation>
    </message>
    <message>
        <source>Destination 1, Group 1</source>
        <translation>Destination 1, groupe 1</translation>
    </message>
    <message>
        <source>Destination 1, Group 2</source>
        <translation>Destination 1, groupe 2</translation>
    </message>
    <message>
        <source>Destination 1, Group 3</source>
        <translation>Destination 1, groupe 3</translation>
    </message>
    <message>
        <source>Destination 1, Group 4</source>
        <translation>Destination 1, groupe 4</translation>
    </message>
    <message>
        <source>Destination 1, Group 5</source>
        <translation>Destination 1, groupe 5</translation>
    </message>
    <message>
        <source>Destination 2</source>
        <translation>Destination 2</translation>
    </message>
    <message>
        <source>Event 2</source>
        <translation>Événement 2</translation>
    </message>
    <message>
        <source>Type 2</source>
        <translation>Type 2</translation>
    </message>
    <message>
        <source>Destination 2, Group 1</source>
        <translation>Destination 2, groupe 1</translation>
    </message>
    <message>
        <source>Destination 2, Group 2</source>
        <translation>Destination 2, groupe 2</translation>
    </message>
    <message>
        <source>Destination 2, Group 3</source>
        <translation>Destination 2, groupe 3</translation>
    </message>
    <message>
        <source>Destination 2, Group 4</source>
        <translation>Destination 2, groupe 4</translation>
    </message>
    <message>
        <source>Destination 2, Group 5</source>
        <translation>Destination 2, groupe 5</translation>
    </message>
    <message>
        <source>Destination 3</source>
        <translation>Destination 3</translation>
    </message>
    <message>
        <source>Event 3</source>
        <translation>Événement 3</translation>
    </message>
    <message>
        <source>Type 3</source>
        <translation>Type 3</translation>
    </message>
    <message>
        <source>Destination 3, Group 1</source>
        <translation>Destination 3, groupe 1</translation>
    </message>
    <message>
        <source>Destination 3, Group 2</source>
        <translation>Destination 3, groupe 2</translation>
    </message>
    <message>
        <source>Destination 3, Group 3</source>
        <translation>Destination 3, groupe 3</translation>
    </message>
    <message>
        <source>Destination 3, Group 4</source>
        <translation>Destination 3, groupe 4</translation>
    </message>
    <message>
        <source>Destination 3, Group 5</source>
        <translation>Destination 3, groupe 5</translation>
    </message>
    <message>
        <source>Destination 4</source>
        <translation>Destination 4</translation>
    </message>
    <message>
        <source>Event 4</source>
        <translation>Événement 4</translation>
    </message>
    <message>
        <source>Type 4</source>
        <translation>Type 4</translation>
    </message>
    <message>
        <source>Destination 4, Group 1</source>
        <translation>Destination 4, groupe 1</translation>
    </message>
    <message>
        <source>Destination 4, Group 2</source>
        <translation>Destination 4, groupe 2</translation>
    </message>
    <message>
        <source>Destination 4, Group 3</source>
        <translation>Destination 4, groupe 3</translation>
    </message>
    <message>
        <source>Destination 4, Group 4</source>
        <translation>Destination 4, groupe 4</translation>
    </message>
    <message>
        <source>Destination 4, Group 5</source>
        <translation>Destination 4, groupe 5</translation>
    </message>
    <message>
        <source>Destination 5</source>
        <translation>Destination 5</translation>
    </message>
    <message>
        <source>Event 5</source>
        <translation>Événement 5</translation>
    </message>
    <message>
        <source>Type 5</source>
        <translation>Type 5</translation>
    </message>
    <message>
        <source>Destination 5, Group 1</source>
        <translation>Destination 5, groupe 1</translation>
    </message>
    <message>
        <source>Destination 5, Group 2</source>
        <translation>Destination 5, groupe 2</translation>
    </message>
    <message>
        <source>Destination 5, Group 3</source>
        <translation>Destination 5, groupe 3</translation>
    </message>
    <message>
        <source>Destination 5, Group 4</source>
        <translation>Destination 5, groupe 4</translation>
    </message>
    <message>
        <source>Destination 5, Group 5</source>
        <translation>Destination 5, groupe 5</translation>
    </message>
    <message>
        <source>Follow-on 2</source>
        <translation>Suite 2</translation>
    </message>
    <message>
        <source>Follow-on 3</source>
        <translation>Suite 3</translation>
    </message>
    <message>
        <source>Follow-on 4</source>
        <translation>Suite 4</translation>
    </message>
    <message>
        <source>Follow-on 5</source>
        <translation>Suite 5</translation>
    </message>
    <message>
        <source>Follow-on 6</source>
        <translation>Suite 6</translation>
    </message>
    <message>
        <source>Geo-fence 1</source>
        <translation>Géorepérage 1</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Cercle</translation>
    </message>
    <message>
        <source>Polygon</source>
        <translation>Polygone</translation>
    </message>
    <message>
        <source>Geo-fence 2</source>
        <translation>Géorepérage 2</translation>
    </message>
    <message>
        <source>Geo-fence 3</source>
        <translation>Géorepérage 3</translation>
    </message>
    <message>
        <source>Alarm &amp; Continuous GPS</source>
        <translation>Alarme &amp; GPS continu</translation>
    </message>
    <message>
        <source>Debug level</source>
        <translation>Niveau débogage</translation>
    </message>
</context>
</TS>
