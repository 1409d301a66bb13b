netsh int ipv4 set address name="Local Area Connection" source=static addr=192.168.1.20 mask=255.255.255.0 gateway=192.168.1.1 gwmetric=1
netsh int ipv4 set dns name="Local Area Connection" source=static addr=192.168.1.1
netsh int ipv4 add dns name="Local Area Connection" addr=8.8.4.4 index=2
