// Pizarro's voyage of 1526-1528 and the conquest of the Inca empire.
export default {
  title: 'Francisco Pizarro',
  subtitle: 'ok. 1478–1541',
  projection: { type: 'mercator', rotate: [77, 0], fit: [[-88, -16], [-66, -16], [-88, 10], [-66, 10]] },
  pad: 6,
  routes: [
    {
      color: '#1f5fa8',
      dashed: true,
      points: [[-79.52, 8.98], [-79.4, 7.0], [-78.4, 5], [-78.3, 3], [-78.6, 2.58], [-80.2, 0.5], [-81.1, -2], [-80.45, -3.57], [-81.4, -5.5], [-80, -7.5], [-78.7, -9.0]],
      arrows: [2, 6],
    },
    {
      color: '#c0392b',
      points: [
        [-79.52, 8.98], [-80.5, 6], [-80.6, 2.5], [-80.1, 0.6], [-80.3, -2.8], [-80.45, -3.57], [-80.63, -5.19],
        [-79.5, -6.3], [-78.52, -7.16], [-77.6, -9.5], [-75.5, -11.78], [-74.22, -13.16], [-71.97, -13.53],
      ],
      arrows: [2, 7, 10],
    },
    { color: '#c0392b', points: [[-75.5, -11.78], [-77.04, -12.05]], arrows: [0] },
  ],
  places: [
    { name: 'Panama', at: [-79.52, 8.98], pos: 'n' },
    { name: 'wyspa Gallo', at: [-78.6, 2.58], pos: 'e' },
    { name: 'Tumbes', at: [-80.45, -3.57], pos: 'e' },
    { name: 'San Miguel de Piura', at: [-80.63, -5.19], pos: 'w' },
    { name: 'Cajamarca (1532)', at: [-78.52, -7.16], pos: 'e' },
    { name: 'Jauja', at: [-75.5, -11.78], pos: 'ne' },
    { name: 'Lima (1535)', at: [-77.04, -12.05], pos: 'w' },
    { name: 'Cuzco (1533)', at: [-71.97, -13.53], pos: 'e', kind: 'star' },
    { name: 'Quito', at: [-78.5, -0.2], pos: 'e' },
    { name: 'Andy', at: [-75.5, -6], kind: 'area' },
    { name: 'państwo Inków', at: [-72.5, -10], kind: 'area' },
  ],
  seaLabels: [{ name: 'Ocean\nSpokojny', at: [-85, -9], size: 13 }],
  legend: [
    { color: '#1f5fa8', dashed: true, text: 'druga wyprawa na południe (1526–1528)' },
    { color: '#c0392b', text: 'podbój państwa Inków (1531–1535)' },
  ],
};
