netsh int ip set address name="LAN 100%%" source=dhcp
netsh int ip set dns name="LAN 100%%" source=dhcp
