-- Rows every ledger starts with.
insert into operator (LoginId, Password, Name, Contact, Note, Rights) values ('sa', '', '系统管理员', '', '', '');
insert into Company (Id, CompanyName, Manager, Tel, Fax, Address, Zip, Profile, UseCount, Updated) values (1, '', '', '', '', '', '', '', 0, '0');
insert into backup (TypeId, BackDir) values (0, '');
insert into method (Id, Name) values (1, '直线法');
insert into method (Id, Name) values (2, '年数总和法');
insert into method (Id, Name) values (3, '双倍余额递减法');
insert into method (Id, Name) values (4, '不计提折旧');
