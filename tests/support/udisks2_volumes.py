'''UDisks2 as the viewer reads it, for python3-dbusmock.

Start it with "python3 -m dbusmock --system -t udisks2_volumes.py -p JSON".
JSON is {"volumes": [VOLUME, ...]}; each VOLUME gives "device" (/dev/sdb1),
and may give "label", "mount" (a folder; absent: not mounted), "bus"
("usb"), "removable" (true), "readOnly" (false), "partition" (true),
"size", "model" and "renameFails" (false). Each volume becomes a drive
object and a block object with a file system, which SetLabel relabels or,
with "renameFails", refuses as polkit would.
'''

import dbus

from dbusmock import mockobject

BUS_NAME = 'org.freedesktop.UDisks2'
MAIN_OBJ = '/org/freedesktop/UDisks2'
SYSTEM_BUS = True
IS_OBJECT_MANAGER = True

DRIVE = 'org.freedesktop.UDisks2.Drive'
BLOCK = 'org.freedesktop.UDisks2.Block'
FILESYSTEM = 'org.freedesktop.UDisks2.Filesystem'
PARTITION = 'org.freedesktop.UDisks2.Partition'

RENAME = f'self.props["{BLOCK}"]["IdLabel"] = dbus.String(args[0], variant_level=1)'
REFUSE = ('raise dbus.exceptions.DBusException("Not authorized to perform operation", '
          'name="org.freedesktop.UDisks2.Error.NotAuthorizedCanObtain")')


def byte_string(text):
    return dbus.Array([dbus.Byte(b) for b in text.encode() + b'\0'], signature='y')


def load(mock, parameters):
    for number, volume in enumerate(parameters.get('volumes', [])):
        name = volume['device'].rsplit('/', 1)[-1]
        drive_path = f'{MAIN_OBJ}/drives/Reader_{number}'
        block_path = f'{MAIN_OBJ}/block_devices/{name}'
        mock.AddObject(drive_path, DRIVE, {
            'ConnectionBus': dbus.String(volume.get('bus', 'usb')),
            'Removable': dbus.Boolean(volume.get('removable', True)),
            'Model': dbus.String(volume.get('model', '')),
        }, [])
        mounts = [byte_string(volume['mount'])] if 'mount' in volume else []
        mock.AddObject(block_path, BLOCK, {
            'Device': byte_string(volume['device']),
            'Drive': dbus.ObjectPath(drive_path),
            'Size': dbus.UInt64(volume.get('size', 8 * 1024 ** 3)),
            'ReadOnly': dbus.Boolean(volume.get('readOnly', False)),
            'IdLabel': dbus.String(volume.get('label', '')),
        }, [])
        block = mockobject.objects[block_path]
        block.AddProperties(FILESYSTEM, {
            'MountPoints': dbus.Array(mounts, signature='ay'),
        })
        block.AddMethod(FILESYSTEM, 'SetLabel', 'sa{sv}', '',
                        REFUSE if volume.get('renameFails') else RENAME)
        if volume.get('partition', True):
            block.AddProperties(PARTITION, {'Number': dbus.UInt32(1)})
